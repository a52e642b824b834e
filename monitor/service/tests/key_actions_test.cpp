#include "monitor/service/key_actions.h"

#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include <map>

#include "fake_input.h"
#include "settings/profile_set.h"
#include "settings/system_names.h"

using ::testing::ElementsAre;

namespace {
// Window timers driven by the fake clock: Run() fires the ticks due up to a time.
class CFakeTimers : public CActionTimers {
 public:
  explicit CFakeTimers(CFakeClock& clock) : clock_(clock) {}
  void Start(unsigned id, unsigned ms) override { timers[id] = {ms, clock_.now + int(ms)}; }
  void Stop(unsigned id) override { timers.erase(id); }
  bool Running(unsigned id) const { return timers.count(id) != 0; }
  void RunUntil(int end, const std::function<void(unsigned)>& tick) {
    for (;;) {
      auto next = timers.end();
      for (auto it = timers.begin(); it != timers.end(); ++it) {
        if (next == timers.end() || it->second.due < next->second.due) next = it;
      }
      if (next == timers.end() || next->second.due > end) break;
      clock_.now = next->second.due;
      next->second.due += next->second.period;
      tick(next->first);
    }
    clock_.now = end;
  }
  struct Timer {
    unsigned period;
    int due;
  };
  std::map<unsigned, Timer> timers;

 private:
  CFakeClock& clock_;
};

struct KeyActionsTest : ::testing::Test {
  CFakeClock clock;
  CRecordingInput input{clock};
  CUsTable table;
  CFakeTimers timers{clock};
  CKeyActions keys{input, table, timers};
  void Tick(unsigned id) {
    if (id == TIMER_KEY_REPEAT) keys.OnKeyRepeatTick();
    if (id == TIMER_VOLUME_REPEAT) keys.OnVolumeRepeatTick();
  }
};
}  // namespace

TEST_F(KeyActionsTest, ModifiersGoDownCtrlFirstAndComeUpInReverse) {
  keys.Press(0x04, kModShift | kModCtrl);
  keys.Release(0x04, kModShift | kModCtrl);
  EXPECT_THAT(input.Names(),
              ElementsAre("down 11", "down 10", "down 41", "up 41", "up 10", "up 11"));
}

TEST_F(KeyActionsTest, AllFourModifiersInTheirOrderWithAPauseBetween) {
  keys.Press(0x05, kModShift | kModCtrl | kModAlt | kModWin);
  EXPECT_THAT(input.Names(), ElementsAre("down 11", "down 10", "down 12", "down 5b", "down 42"));
  EXPECT_EQ(input.events.back().at, 4);  // 1 ms after each modifier
}

TEST_F(KeyActionsTest, PlainKeyBitSendsTheBareKeyWhateverElseIsSet) {
  keys.Press(0x04, kModPlainKey | kModShift | kModAlt);
  keys.Release(0x04, kModPlainKey | kModShift | kModAlt);
  EXPECT_THAT(input.Names(), ElementsAre("down 41", "up 41"));
}

TEST_F(KeyActionsTest, LeftAndRightModifierUsagesGoOutAsThePlainKeys) {
  keys.Press(0xE1, kModPlainKey);  // left Shift
  keys.Press(0xE4, kModPlainKey);  // right Ctrl
  keys.Press(0xE6, kModPlainKey);  // right Alt
  keys.Press(0xE3, kModPlainKey);  // left Windows stays itself
  EXPECT_THAT(input.Names(), ElementsAre("down 10", "down 11", "down 12", "down 5b"));
}

TEST_F(KeyActionsTest, UnknownUsageSendsOnlyTheModifiers) {
  keys.Press(0x03, kModCtrl);
  keys.Release(0x03, kModCtrl);
  EXPECT_THAT(input.Names(), ElementsAre("down 11", "up 11"));
}

TEST_F(KeyActionsTest, HeldKeyRepeatsAfterOneSecondThenEveryTenthOfASecond) {
  keys.Press(0x04, kModPlainKey);
  timers.RunUntil(1350, [&](unsigned id) { Tick(id); });
  keys.Release(0x04, kModPlainKey);
  std::vector<int> downs;
  for (const auto& e : input.events) {
    if (e.what == "down 41") downs.push_back(e.at);
  }
  // The press, then a repeat (up, 1 ms, down) at 1.0, 1.1, 1.2 and 1.3 s.
  EXPECT_THAT(downs, ElementsAre(0, 1001, 1101, 1201, 1301));
  EXPECT_EQ(input.events.back().what, "up 41");
  EXPECT_FALSE(timers.Running(TIMER_KEY_REPEAT));
}

TEST_F(KeyActionsTest, ModifierKeysAreNeverRepeated) {
  keys.Press(0xE0, kModPlainKey);
  timers.RunUntil(1500, [&](unsigned id) { Tick(id); });
  keys.Press(0xE7, kModPlainKey);
  timers.RunUntil(3000, [&](unsigned id) { Tick(id); });
  EXPECT_THAT(input.Names(), ElementsAre("down 11", "down 5c"));
}

TEST_F(KeyActionsTest, VolumeKeysTapOnceAndRepeatEveryThreeTenthsUntilRelease) {
  keys.Volume(0x26, true);
  timers.RunUntil(700, [&](unsigned id) { Tick(id); });
  keys.Volume(0x26, false);
  timers.RunUntil(2000, [&](unsigned id) { Tick(id); });
  EXPECT_THAT(input.Names(), ElementsAre("xdown af", "xup af", "xdown af", "xup af", "xdown af",
                                         "xup af"));
  keys.Volume(0x27, true);
  keys.Volume(0x27, false);
  keys.Volume(0x25, true);
  keys.Volume(0x25, false);
  const std::vector<std::string> names = input.Names();
  EXPECT_THAT(std::vector<std::string>(names.end() - 4, names.end()),
              ElementsAre("xdown ae", "xup ae", "xdown ad", "xup ad"));
  EXPECT_FALSE(timers.Running(TIMER_VOLUME_REPEAT));
}
