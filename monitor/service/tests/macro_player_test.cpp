#include "monitor/service/macro_player.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fake_input.h"

using ::testing::ElementsAre;

namespace {
MacroKeyInfo Macro(std::initializer_list<MacroEvent> events, int repeat = 1) {
  MacroKeyInfo k{};
  k.function = kFunctionMacro;
  k.repeat = repeat;
  int i = 0;
  for (const MacroEvent& e : events) SetMacroEvent(k, i++, e);
  k.count = static_cast<int16_t>(i);
  return k;
}

struct MacroPlayerTest : ::testing::Test {
  CFakeClock clock;
  CRecordingInput input{clock};
  CUsTable table;
  CFakeWaiter waiter{clock};
  std::vector<std::string> traces;
  CMacroPlayer player{input, table, waiter, [this](const std::string& t) { traces.push_back(t); }};

  // Stages and plays as MacroThread would.
  void Run(const MacroKeyInfo& k) {
    if (player.Stage(k)) player.PlayStaged();
  }
};
}  // namespace

TEST_F(MacroPlayerTest, PlaysEventsWithTheirDelaysAndTraces) {
  Run(Macro({{0x04, kEventPress, 30}, {0x04, kEventRelease, 0}, {0xE1, kEventPress, 7},
             {0xE1, kEventRelease, 12}}));
  EXPECT_EQ(input.events, (std::vector<InputRecord>{
                              {"down 41", 0}, {"up 41", 30}, {"down 10", 31}, {"up 10", 38}}));
  EXPECT_EQ(clock.now, 50);  // a delay of 0 counts as 1 ms
  EXPECT_THAT(traces, ElementsAre("g_iCurAction= 3,start=0,end=4\n"));
  EXPECT_FALSE(player.Playing());
  EXPECT_EQ(waiter.begun, 1);
  EXPECT_EQ(waiter.ended, 1);
}

TEST_F(MacroPlayerTest, RepeatCountsPassesAndZeroOrNegativePlaysOnce) {
  const std::initializer_list<MacroEvent> tap = {{0x05, kEventPress, 1}, {0x05, kEventRelease, 1}};
  Run(Macro(tap, 0));
  EXPECT_EQ(input.events.size(), 2u);
  Run(Macro(tap, -3));
  EXPECT_EQ(input.events.size(), 4u);
  Run(Macro(tap, 3));
  EXPECT_EQ(input.events.size(), 10u);
  EXPECT_EQ(player.RemainingRepeat(), 0);
}

TEST_F(MacroPlayerTest, NothingIsStagedForOtherFunctionsOrEmptyMacros) {
  MacroKeyInfo k = Macro({{0x04, kEventPress, 1}});
  k.function = kFunctionKey;
  EXPECT_FALSE(player.Stage(k));
  EXPECT_FALSE(player.Stage(Macro({})));
  EXPECT_FALSE(player.Playing());
}

TEST_F(MacroPlayerTest, MouseButtonsUseTheirFlagsAndExtendedButtonData) {
  Run(Macro({{240, kEventPress, 1}, {240, kEventRelease, 1}, {241, kEventPress, 1},
             {241, kEventRelease, 1}, {242, kEventPress, 1}, {242, kEventRelease, 1},
             {243, kEventPress, 1}, {243, kEventRelease, 1}, {244, kEventPress, 1},
             {244, kEventRelease, 1}, {244, 3, 5}}));
  EXPECT_THAT(input.Names(), ElementsAre("mouse 2/0", "mouse 4/0", "mouse 8/0", "mouse 16/0",
                                         "mouse 32/0", "mouse 64/0", "mouse 128/1", "mouse 256/1",
                                         "mouse 128/2", "mouse 256/2"));
  EXPECT_EQ(clock.now, 15);  // an unknown direction still waits on a mouse code
}

TEST_F(MacroPlayerTest, UnknownDirectionOfAKeySendsNothingAndDoesNotWait) {
  Run(Macro({{0x04, 0, 100}, {0x04, 3, 100}, {0x05, kEventPress, 2}}));
  EXPECT_THAT(input.Names(), ElementsAre("down 42"));
  EXPECT_EQ(clock.now, 2);
}

TEST_F(MacroPlayerTest, LongPressImitatesTheKeyboardRepeat) {
  Run(Macro({{0x04, kEventPress, 2000}, {0x04, kEventRelease, 1}}));
  // Down, 500 ms, then up/down pairs 33 ms apart for the other 1500 ms.
  ASSERT_EQ(input.events.size(), 1u + 2 * 46 + 1);
  EXPECT_EQ(input.events[1], (InputRecord{"up 41", 500}));
  EXPECT_EQ(input.events[2], (InputRecord{"down 41", 500}));
  EXPECT_EQ(input.events[3], (InputRecord{"up 41", 533}));
  EXPECT_EQ(input.events.back().what, "up 41");
}

TEST_F(MacroPlayerTest, ExactlyHalfASecondIsAPlainWait) {
  Run(Macro({{0x04, kEventPress, 500}, {0x04, kEventRelease, 1}}));
  EXPECT_THAT(input.Names(), ElementsAre("down 41", "up 41"));
}

TEST_F(MacroPlayerTest, AllReleasesAreSentAndLeaveNothingHeld) {
  Run(Macro({{0x04, kEventRelease, 1}, {0x05, kEventRelease, 1}}));
  EXPECT_THAT(input.Names(), ElementsAre("up 41", "up 42"));
  // A stop now finds nothing to release.
  Run(Macro({{0x06, kEventRelease, 10}}));
  EXPECT_THAT(input.Names(), ElementsAre("up 41", "up 42", "up 43"));
}

TEST_F(MacroPlayerTest, SecondPressStopsAndReleasesHeldKeysNewestFirst) {
  const MacroKeyInfo k = Macro({{0x04, kEventPress, 10}, {0xE0, kEventPress, 10},
                                {0x05, kEventPress, 10}, {0x05, kEventRelease, 10},
                                {0x06, kEventPress, 100}, {0x06, kEventRelease, 10}});
  ASSERT_TRUE(player.Stage(k));
  waiter.onWait = [&](int now) {
    if (now == 40) {
      EXPECT_FALSE(player.Stage(k));  // the second press during playback
    }
  };
  player.PlayStaged();
  EXPECT_EQ(input.events, (std::vector<InputRecord>{{"down 41", 0},
                                                    {"down 11", 10},
                                                    {"down 42", 20},
                                                    {"up 42", 30},
                                                    {"up 11", 40},
                                                    {"up 41", 90}}));
  EXPECT_FALSE(player.Playing());
  // A further press starts the macro from the beginning.
  waiter.onWait = nullptr;
  input.events.clear();
  Run(k);
  EXPECT_EQ(input.Names().front(), "down 41");
  EXPECT_EQ(input.events.size(), 6u);
}

TEST_F(MacroPlayerTest, StopDuringTheFirstEventStillReleasesItsKey) {
  const MacroKeyInfo k = Macro({{0x04, kEventPress, 100}, {0x04, kEventRelease, 10}});
  ASSERT_TRUE(player.Stage(k));
  waiter.onWait = [&](int) { player.Stage(k); };
  player.PlayStaged();
  EXPECT_THAT(input.Names(), ElementsAre("down 41", "up 41"));
}

TEST_F(MacroPlayerTest, StopEndsTheKeyboardRepeatImitation) {
  const MacroKeyInfo k = Macro({{0x04, kEventPress, 5000}, {0x04, kEventRelease, 1}});
  ASSERT_TRUE(player.Stage(k));
  waiter.onWait = [&](int now) {
    if (now == 566) player.Stage(k);
  };
  player.PlayStaged();
  EXPECT_EQ(input.events.size(), 1u + 2 * 2 + 2 + 1);  // two pairs, one more, then the release
  EXPECT_EQ(input.events.back().what, "up 41");
  EXPECT_LT(clock.now, 700);
}

TEST_F(MacroPlayerTest, AStopWhileQueuedNeitherPlaysNorRestages) {
  const MacroKeyInfo k = Macro({{0x04, kEventPress, 1}, {0x04, kEventRelease, 1}});
  ASSERT_TRUE(player.Stage(k));
  EXPECT_FALSE(player.Stage(k));  // pressed again before MacroThread started
  player.PlayStaged();
  EXPECT_TRUE(input.events.empty());
  EXPECT_EQ(player.RemainingRepeat(), 1);
  // The next press plays normally.
  Run(k);
  EXPECT_THAT(input.Names(), ElementsAre("down 41", "up 41"));
}

TEST_F(MacroPlayerTest, CancelledStagingLeavesThePlayerIdle) {
  const MacroKeyInfo k = Macro({{0x04, kEventPress, 1}});
  ASSERT_TRUE(player.Stage(k));
  player.CancelStaged();
  EXPECT_FALSE(player.Playing());
  EXPECT_TRUE(player.Stage(k));
}

TEST_F(MacroPlayerTest, StopFromOutsideReleasesWhatIsHeld) {
  const MacroKeyInfo k = Macro({{0x04, kEventPress, 100}, {0x05, kEventPress, 100},
                                {0x05, kEventRelease, 100}, {0x04, kEventRelease, 100}});
  ASSERT_TRUE(player.Stage(k));
  waiter.onWait = [&](int now) {
    if (now == 200) player.Stop();
  };
  player.PlayStaged();
  EXPECT_THAT(input.Names(), ElementsAre("down 41", "down 42", "up 42", "up 41"));
  EXPECT_EQ(input.events[2].at, 200);
  EXPECT_EQ(input.events[3].at, 250);  // newest first, 50 ms apart
}
