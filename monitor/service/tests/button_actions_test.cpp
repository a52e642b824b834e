#include "monitor/service/button_actions.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "fake_input.h"
#include "settings/system_names.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {
class CNoTimers : public CActionTimers {
 public:
  void Start(unsigned id, unsigned ms) override { started.push_back({id, ms}); }
  void Stop(unsigned id) override { stopped.push_back(id); }
  std::vector<std::pair<unsigned, unsigned>> started;
  std::vector<unsigned> stopped;
};

class CFakeLauncher : public CActionLauncher {
 public:
  void Open(const std::string& path) override { opened.push_back(path); }
  bool PlayMacro() override {
    ++plays;
    return postable;
  }
  std::vector<std::string> opened;
  int plays = 0;
  bool postable = true;
};

class CNoDesktop : public CMediaDesktop {
 public:
  std::optional<std::string> ReadRegistry(const char*, const char* value) override {
    if (value) return std::nullopt;
    return std::string("\"C:\\winamp\\winamp.exe\"");
  }
  std::string ExpandEnvironment(const std::string& t) override { return t; }
  void Launch(const std::string& c) override { launched.push_back(c); }
  Window FindPlayerWindow(const char*, const char*) override { return 0; }
  void BringToForeground(Window) override {}
  void Send(Window, unsigned, uintptr_t, intptr_t) override {}
  void Post(Window, unsigned, uintptr_t, intptr_t) override {}
  void PostAppCommand(int c) override { commands.push_back(c); }
  void Pause(int) override {}
  std::vector<std::string> launched;
  std::vector<int> commands;
};

struct ButtonActionsTest : ::testing::Test {
  ButtonActionsTest() { set->CurrentProfile = 2; }
  MacroKeyInfo& Button(int n) { return set->Profiles[2].MacroKeyInfo[n - 1]; }

  std::unique_ptr<ProfileSet> set = std::make_unique<ProfileSet>();
  CFakeClock clock;
  CRecordingInput input{clock};
  CUsTable table;
  CNoTimers timers;
  CKeyActions keys{input, table, timers};
  CFakeWaiter waiter{clock};
  CMacroPlayer macros{input, table, waiter, [](const std::string&) {}};
  CNoDesktop desktop;
  CMediaPlayers media{desktop};
  CFakeLauncher launcher;
  CButtonActions actions{*set, keys, macros, media, launcher};
};
}  // namespace

TEST_F(ButtonActionsTest, KeyButtonsPressAndReleaseTheirCombinationFromTheCurrentProfile) {
  Button(3).function = kFunctionKey;
  Button(3).data[0] = 0x04;
  Button(3).data[1] = kModAlt;
  set->Profiles[0].MacroKeyInfo[2].function = kFunctionKey;  // another profile: not used
  actions.OnButton(3, true);
  actions.OnTimer(TIMER_KEY_REPEAT);
  actions.OnButton(3, false);
  EXPECT_THAT(input.Names(), ElementsAre("down 12", "down 41", "up 41", "down 41", "up 41", "up 12"));
  EXPECT_EQ(timers.started.front(), std::make_pair(unsigned(TIMER_KEY_REPEAT), 1000u));
  EXPECT_THAT(timers.stopped, ElementsAre(TIMER_KEY_REPEAT));
}

TEST_F(ButtonActionsTest, ReleaseLetsGoOfWhatThePressPressedWhateverChangedMeanwhile) {
  Button(3).function = kFunctionKey;
  Button(3).data[0] = 0x04;
  Button(3).data[1] = kModAlt;
  // The mouse switches to a profile where the button does nothing.
  actions.OnButton(3, true);
  set->CurrentProfile = 0;
  actions.OnButton(3, false);
  EXPECT_THAT(input.Names(), ElementsAre("down 12", "down 41", "up 41", "up 12"));
  EXPECT_THAT(timers.stopped, ElementsAre(TIMER_KEY_REPEAT));

  // An apply gives the button another combination while it is held.
  input.events.clear();
  set->CurrentProfile = 2;
  actions.OnButton(3, true);
  Button(3).data[0] = 0x05;
  Button(3).data[1] = kModShift;
  actions.OnButton(3, false);
  EXPECT_THAT(input.Names(), ElementsAre("down 12", "down 41", "up 41", "up 12"));
  // A release without a press is the button's own, as before.
  input.events.clear();
  actions.OnButton(3, false);
  EXPECT_THAT(input.Names(), ElementsAre("up 42", "up 10"));
}

TEST_F(ButtonActionsTest, ReleaseHeldLetsGoOfEveryHeldButtonAndEndsTheRepeats) {
  for (int b : {3, 9}) {
    Button(b).function = kFunctionKey;
    Button(b).data[1] = kModPlainKey;
  }
  Button(3).data[0] = 0x04;
  Button(9).data[0] = 0x05;
  actions.OnButton(3, true);
  actions.OnButton(9, true);
  actions.OnMultimedia(0x26, true);
  input.events.clear();
  timers.stopped.clear();
  actions.ReleaseHeld();
  EXPECT_THAT(input.Names(), ElementsAre("up 41", "up 42"));
  EXPECT_THAT(timers.stopped, ::testing::IsSupersetOf({unsigned(TIMER_KEY_REPEAT),
                                                       unsigned(TIMER_VOLUME_REPEAT)}));
  // Released once: a second call finds nothing held.
  input.events.clear();
  actions.ReleaseHeld();
  EXPECT_THAT(input.Names(), IsEmpty());
}

TEST_F(ButtonActionsTest, MacroButtonsAreStagedOnPressOnly) {
  Button(5).function = kFunctionMacro;
  Button(5).count = 1;
  SetMacroEvent(Button(5), 0, {0x04, kEventPress, 1});
  actions.OnButton(5, false);
  EXPECT_EQ(launcher.plays, 0);
  actions.OnButton(5, true);
  EXPECT_EQ(launcher.plays, 1);
  EXPECT_TRUE(macros.Playing());
  macros.PlayStaged();
  EXPECT_THAT(input.Names(), ElementsAre("down 41"));
}

TEST_F(ButtonActionsTest, AMacroThatCannotBePostedDoesNotBlockTheNext) {
  Button(5).function = kFunctionMacro;
  Button(5).count = 1;
  launcher.postable = false;
  actions.OnButton(5, true);
  EXPECT_FALSE(macros.Playing());
  launcher.postable = true;
  actions.OnButton(5, true);
  EXPECT_EQ(launcher.plays, 2);
}

TEST_F(ButtonActionsTest, RunProgramOnlyForProgramButtons) {
  std::strcpy(Button(16).program, "C:\\Games\\game.exe");
  actions.OnRunProgram(16);
  Button(16).function = kFunctionProgram;
  actions.OnRunProgram(16);
  Button(1).function = kFunctionProgram;  // no path
  actions.OnRunProgram(1);
  std::memset(Button(2).program, 'x', sizeof Button(2).program);  // no terminator
  Button(2).function = kFunctionProgram;
  actions.OnRunProgram(2);
  EXPECT_THAT(launcher.opened, ElementsAre("C:\\Games\\game.exe", std::string(260, 'x')));
}

TEST_F(ButtonActionsTest, OutOfRangeButtonsAndProfilesAreIgnored) {
  actions.OnButton(0, true);
  actions.OnButton(17, true);
  actions.OnRunProgram(-1);
  set->CurrentProfile = 7;
  Button(1).function = kFunctionProgram;
  std::strcpy(Button(1).program, "x.exe");
  actions.OnRunProgram(1);
  actions.OnMultimedia(MEDIA_NEXT, true);
  EXPECT_THAT(launcher.opened, IsEmpty());
  EXPECT_THAT(desktop.commands, IsEmpty());
}

TEST_F(ButtonActionsTest, MultimediaGoesToTheProfilesPlayerOnPressOnly) {
  set->Profiles[2].MediaOption = PLAYER_WINDOWS_MEDIA;
  actions.OnMultimedia(MEDIA_NEXT, false);
  actions.OnMultimedia(MEDIA_STOP, true);
  EXPECT_THAT(desktop.commands, ElementsAre(13));
  set->Profiles[2].MediaOption = PLAYER_WINAMP;
  actions.OnMultimedia(MEDIA_START, false);
  actions.OnMultimedia(MEDIA_START, true);
  EXPECT_THAT(desktop.launched, ElementsAre("C:\\winamp\\winamp.exe"));
}

TEST_F(ButtonActionsTest, VolumeKeysRepeatOnTheirTimerUntilReleased) {
  actions.OnMultimedia(0x27, true);
  actions.OnTimer(TIMER_VOLUME_REPEAT);
  actions.OnMultimedia(0x27, false);
  EXPECT_THAT(input.Names(), ElementsAre("xdown ae", "xup ae", "xdown ae", "xup ae"));
  EXPECT_EQ(timers.started.front(), std::make_pair(unsigned(TIMER_VOLUME_REPEAT), 300u));
  EXPECT_THAT(timers.stopped, ElementsAre(TIMER_VOLUME_REPEAT));
}
