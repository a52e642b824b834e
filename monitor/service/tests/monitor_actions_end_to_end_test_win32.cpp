// Monitor's desktop actions as the user meets them: the virtual mouse reports
// a button, the running Monitor.exe acts on the desktop, and this process
// watches with keyboard and mouse hooks, stand-in players and the real notice
// window.
// One Monitor and one virtual mouse serve the whole suite.
#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "input_hook_recorder_win32.h"
#include "monitor_harness_win32.h"
#include "player_stand_ins_win32.h"
#include "settings/profile_files.h"

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

namespace {

constexpr unsigned kButtonPressed = 0x4000, kButtonEvent = 0x5000, kRunProgram = 0x000A,
                   kMultimedia = 0xF000, kProfileSwitch = 0x0800, kLevelChange = 0x0700;
constexpr unsigned kReleased = 0x100;

bool FileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Milliseconds between two keys by their own stamps.
long Gap(const SeenKey& from, const SeenKey& to) {
  return static_cast<long>(static_cast<int32_t>(to.stamp - from.stamp));
}

bool Contains(const std::vector<std::string>& keys, const std::string& key) {
  return std::find(keys.begin(), keys.end(), key) != keys.end();
}

// Whether keys are modifier and key down, then the key's repeats (up and down
// again) or the other pair, any number of times, then key and modifier up.
bool HeldThroughout(const std::vector<std::string>& keys, const std::string& modifier,
                    const std::string& key, const std::vector<std::string>& other) {
  const size_t n = keys.size();
  if (n < 4 || n % 2 != 0 || keys[0] != "down " + modifier || keys[1] != "down " + key ||
      keys[n - 2] != "up " + key || keys[n - 1] != "up " + modifier)
    return false;
  for (size_t i = 2; i + 2 < n; i += 2) {
    const std::vector<std::string> pair(keys.begin() + i, keys.begin() + i + 2);
    if (pair != std::vector<std::string>{"up " + key, "down " + key} && pair != other) return false;
  }
  return true;
}

class MonitorActionsEndToEnd : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    h_ = std::make_unique<CMonitorHarness>();
    if (!h_->Ready()) return;
    // A stray Monitor of an earlier failed run would own the block.
    if (HWND stray = h_->MonitorWindow()) PostMessageA(stray, WM_COMMAND, CMD_EXIT_MONITOR, 0);
    if (!CMonitorHarness::WaitFor([] { return h_->MonitorWindow() == nullptr; }, 20000)) return;
    // The real notice window instead of the logging stand-in.
    if (!CopyFileA((harness::BinFolder() + names::kOverlayProgram).c_str(),
                   (h_->Folder() + names::kOverlayProgram).c_str(), FALSE))
      return;
    OverlaySetting notices;
    SetDefaultOverlaySetting(notices);
    notices.Switches[2] = 1;  // profile notices
    notices.Switches[3] = 1;  // macro notices
    if (WriteOverlaySetting(h_->Folder(), notices) != 1) return;
    if (!h_->StartMouse(true) || !h_->StartMonitor()) return;
    if (!CMonitorHarness::WaitFor([] { return h_->MonitorWindow() != nullptr; }, 20000)) return;
    if (h_->Vmctl("wait-idle 700 30000") != 0) return;
    recorder_ = std::make_unique<CInputHookRecorder>();
    ready_ = recorder_->Ready() &&
             CMonitorHarness::WaitFor(
                 [] { return FindWindowA(nullptr, names::kOverlayTitle) != nullptr; }, 20000);
  }
  static void TearDownTestSuite() {
    recorder_.reset();
    h_.reset();
    ready_ = false;
  }
  void SetUp() override {
    ASSERT_TRUE(ready_) << "Monitor, the virtual mouse, the notice window or the keyboard hook "
                           "did not come up";
    recorder_->Clear();
  }

  // The mouse reports an event; this thread keeps serving its windows meanwhile.
  static void Event(unsigned type, unsigned value) {
    ASSERT_EQ(stand_in::RunServing("\"" + harness::BinFolder() + "vmctl.exe\" event " +
                                   std::to_string(type) + " " + std::to_string(value)),
              0);
  }
  static void SetButton(int button, const MacroKeyInfo& info) {
    ASSERT_TRUE(h_->EditCurrentProfile([&](Profile& p) {
      p.MacroKeyInfo[button - 1] = info;
      p.MacroKeyInfo[button - 1].button = static_cast<uint8_t>(button - 1);
    }));
  }
  static std::vector<SeenKey> Seen() { return recorder_->Seen(); }
  static std::vector<std::string> Keys() { return recorder_->Keys(); }

  static inline std::unique_ptr<CMonitorHarness> h_;
  static inline std::unique_ptr<CInputHookRecorder> recorder_;
  static inline bool ready_ = false;
};

MacroKeyInfo KeyCombination(uint8_t usage, uint8_t modifiers) {
  MacroKeyInfo k{};
  k.function = kFunctionKey;
  k.count = 1;
  k.data[0] = usage;
  k.data[1] = modifiers;
  return k;
}

TEST_F(MonitorActionsEndToEnd, HeldKeyCombinationPressesRepeatsAndReleasesInOrder) {
  constexpr int kButton = 4;
  SetButton(kButton, KeyCombination(0x04 /* A */, kModCtrl));
  Event(kButtonPressed, kButton);
  // Released once A has repeated six times (about 1.0, 1.1 ... 1.5 s): the
  // test holds the button as long as the repeats take to come.
  constexpr size_t kHeldRepeats = 6;
  ASSERT_TRUE(CMonitorHarness::WaitFor([] { return Seen().size() >= 2 + 2 * kHeldRepeats; }, 10000));
  Event(kButtonEvent, kReleased + kButton);
  ASSERT_TRUE(recorder_->WaitForKeys(4 + 2 * kHeldRepeats, 400, 5000));
  const std::vector<SeenKey> seen = Seen();
  const std::vector<std::string> keys = Keys();
  // Ctrl and A down, then A repeated, then A and Ctrl up.
  std::vector<std::string> expected = {"down 11", "down 41"};
  const size_t repeats = (keys.size() - 4) / 2;
  for (size_t i = 0; i < repeats; ++i) {
    expected.push_back("up 41");
    expected.push_back("down 41");
  }
  expected.insert(expected.end(), {"up 41", "up 11"});
  ASSERT_THAT(keys, ElementsAreArray(expected));
  // The first repeat a second after the key went down, the next ones every
  // 100 ms from there. The repeat timer starts after the key is sent, so a
  // busy machine can only make a repeat late, never early. A late repeat
  // lengthens its own gap, but a wrong period shows at every gap: the closest
  // must be nearer 100 ms than 150.
  long closest = 1000;
  for (size_t k = 0; k < repeats; ++k) {
    EXPECT_GE(Gap(seen[1], seen[2 + 2 * k]), 1000 + 100 * static_cast<long>(k)) << k;
    if (k > 0) closest = std::min(closest, Gap(seen[2 * k], seen[2 + 2 * k]));
  }
  EXPECT_LT(closest, 150);
  // Nothing repeats after the release.
  Sleep(300);
  EXPECT_EQ(Seen().size(), keys.size());
}

TEST_F(MonitorActionsEndToEnd, AKeyHeldAcrossAProfileSwitchComesUpAtTheRelease) {
  constexpr int kButton = 6;
  auto set = std::make_unique<ProfileSet>();
  ASSERT_TRUE(h_->ReadBlock(*set));
  const int first = set->CurrentProfile, second = (first + 1) % kProfileCount;
  auto switchTo = [&](int profile) {
    Event(kProfileSwitch, profile + 1);
    ASSERT_TRUE(CMonitorHarness::WaitFor(
        [&] { return h_->ReadBlock(*set) && set->CurrentProfile == profile; }, 5000));
  };
  // The button does nothing in the second profile.
  switchTo(second);
  SetButton(kButton, MacroKeyInfo{});
  switchTo(first);
  SetButton(kButton, KeyCombination(0x04 /* A */, kModCtrl));

  Event(kButtonPressed, kButton);
  ASSERT_TRUE(CMonitorHarness::WaitFor([] { return Seen().size() >= 2; }, 5000));
  switchTo(second);  // the mouse's own profile button, pressed meanwhile
  Event(kButtonEvent, kReleased + kButton);
  ASSERT_TRUE(recorder_->WaitForKeys(4, 300, 5000));
  // Ctrl and A down, A repeated should the release take over a second to
  // come, then A and Ctrl up.
  const std::vector<std::string> keys = Keys();
  std::vector<std::string> expected = {"down 11", "down 41"};
  for (size_t i = 4; i < keys.size(); i += 2) expected.insert(expected.end(), {"up 41", "down 41"});
  expected.insert(expected.end(), {"up 41", "up 11"});
  EXPECT_THAT(keys, ElementsAreArray(expected));
  // And nothing repeats after the release.
  Sleep(1300);
  EXPECT_EQ(Keys().size(), keys.size()) << ::testing::PrintToString(Keys());
}

TEST_F(MonitorActionsEndToEnd, UnpluggingTheMouseLetsGoOfHeldKeysAndEndsTheRepeats) {
  constexpr int kButton = 7;
  SetButton(kButton, KeyCombination(0x04 /* A */, kModShift));
  Event(kButtonPressed, kButton);
  Event(kMultimedia, 0x27);  // volume down, held too
  // Its first press seen (A may have begun to repeat meanwhile).
  ASSERT_TRUE(CMonitorHarness::WaitFor([] { return Contains(Keys(), "up ae"); }, 10000));
  ASSERT_EQ(h_->Vmctl("unplug"), 0);
  ASSERT_TRUE(CMonitorHarness::WaitFor([] { return h_->ConfigInt("Setting", "Device", -1) == 0; },
                                       5000));
  // Monitor lets go of the keys before it notes the unplug; the hook may see
  // them a moment later.
  ASSERT_TRUE(CMonitorHarness::WaitFor(
      [] { return !Keys().empty() && Keys().back() == "up 10"; }, 5000));
  const size_t atUnplug = Keys().size();
  Sleep(1300);  // past the first key repeat and a few volume repeats
  const std::vector<std::string> keys = Keys();
  // Shift and A down, then A's repeats and the volume key's presses in any
  // order (how many depends on how soon the unplug came), then A and Shift up.
  EXPECT_TRUE(HeldThroughout(keys, "10", "41", {"down ae", "up ae"}))
      << ::testing::PrintToString(keys);
  EXPECT_TRUE(Contains(keys, "down ae"));
  EXPECT_EQ(keys.size(), atUnplug) << ::testing::PrintToString(keys);
  // Back for the other tests, with the settings transferred again.
  ASSERT_EQ(h_->Vmctl("plug"), 0);
  ASSERT_TRUE(CMonitorHarness::WaitFor([] { return h_->ConfigInt("Setting", "Device", -1) == 1; },
                                       10000));
  ASSERT_EQ(h_->Vmctl("wait-idle 700 30000"), 0);
}

TEST_F(MonitorActionsEndToEnd, ExitingMonitorLetsGoOfHeldKeys) {
  constexpr int kButton = 8;
  SetButton(kButton, KeyCombination(0x04 /* A */, kModShift));
  Event(kButtonPressed, kButton);
  ASSERT_TRUE(recorder_->WaitForKeys(2, 100, 5000));
  ASSERT_TRUE(h_->StopMonitor());
  ASSERT_TRUE(CMonitorHarness::WaitFor([] { return !Keys().empty() && Keys().back() == "up 10"; }, 5000));
  // A repeated should the stop take over a second to come.
  EXPECT_TRUE(HeldThroughout(Keys(), "10", "41", {})) << ::testing::PrintToString(Keys());
  // A new Monitor for the other tests.
  ASSERT_NE(h_->StartMonitor(), nullptr);
  ASSERT_TRUE(CMonitorHarness::WaitFor([] { return h_->MonitorWindow() != nullptr; }, 20000));
  ASSERT_EQ(h_->Vmctl("wait-idle 700 30000"), 0);
  ASSERT_TRUE(CMonitorHarness::WaitFor(
      [] { return FindWindowA(nullptr, names::kOverlayTitle) != nullptr; }, 20000));
}

TEST_F(MonitorActionsEndToEnd, MacroPlaysWithItsPausesAndASecondPressStopsItReleasingNewestFirst) {
  constexpr int kButton = 2;
  // A and B typed four times with these pauses, then B and Shift held.
  constexpr long kPauses[] = {30, 20, 40, 10};
  constexpr int kTyped = 16, kShift = kTyped + 1;
  MacroKeyInfo macro{};
  macro.function = kFunctionMacro;
  macro.repeat = 1;
  macro.count = kShift + 3;
  std::strcpy(macro.macroName, "two held keys");
  std::vector<std::string> expected;
  for (int i = 0; i < kTyped; ++i) {
    const bool a = i % 4 < 2, press = i % 2 == 0;
    SetMacroEvent(macro, i, {static_cast<uint8_t>(a ? 0x04 : 0x05),
                             static_cast<uint8_t>(press ? kEventPress : kEventRelease),
                             static_cast<uint16_t>(kPauses[i % 4])});
    expected.push_back(std::string(press ? "down " : "up ") + (a ? "41" : "42"));
  }
  SetMacroEvent(macro, kTyped, {0x05, kEventPress, 40});        // B, held
  SetMacroEvent(macro, kShift, {0xE1, kEventPress, 6000});      // left Shift, held long
  SetMacroEvent(macro, kShift + 1, {0xE1, kEventRelease, 1});
  SetMacroEvent(macro, kShift + 2, {0x05, kEventRelease, 1});
  expected.insert(expected.end(), {"down 42", "down 10"});
  SetButton(kButton, macro);

  Event(kButtonPressed, kButton);
  Event(kButtonEvent, kReleased + kButton);  // the release of a macro button does nothing
  ASSERT_TRUE(CMonitorHarness::WaitFor([] { return Seen().size() > kShift; }, 5000));
  // The macro notice names the macro.
  EXPECT_TRUE(CMonitorHarness::WaitFor(
      [] { return h_->ConfigString("MacroOverlay", "MacroName") == "two held keys"; }, 5000));
  EXPECT_EQ(h_->ConfigInt("MacroOverlay", "Number", -1), kButton - 1);
  // Shift is held past 500 ms, where the keyboard's own repeat is imitated:
  // stopped once it has repeated twice.
  ASSERT_TRUE(CMonitorHarness::WaitFor([] { return Seen().size() >= kShift + 5; }, 10000));
  Event(kButtonPressed, kButton);  // stop
  ASSERT_TRUE(recorder_->WaitForKeys(kShift + 3, 400, 5000));
  const std::vector<SeenKey> seen = Seen();
  const std::vector<std::string> keys = Keys();
  ASSERT_THAT(std::vector<std::string>(keys.begin(), keys.begin() + kShift + 1),
              ElementsAreArray(expected));
  // Every gap is at least its pause, less what the player makes up for a late
  // event and the stamps' whole milliseconds. A busy machine makes some events
  // late, but a player that lengthens every pause shows it at every gap: the
  // closest gap must be within 10 ms of its pause. Precision is the
  // benchmark's job.
  constexpr long kMadeUp = 3;
  long closest = 1000;
  for (int i = 0; i < kShift; ++i) {
    const long pause = i < kTyped ? kPauses[i % 4] : 40, gap = Gap(seen[i], seen[i + 1]);
    EXPECT_GE(gap, pause - kMadeUp) << i;
    closest = std::min(closest, gap - pause);
  }
  EXPECT_LT(closest, 10);
  // After 500 ms the held Shift repeats (up and down) until the stop...
  ASSERT_GE(keys.size(), kShift + 5u) << ::testing::PrintToString(keys);
  EXPECT_GE(Gap(seen[kShift], seen[kShift + 1]), 500 - kMadeUp);
  for (size_t i = kShift + 1; i + 2 < keys.size(); i += 2) {
    EXPECT_EQ(keys[i], "up 10") << i;
    EXPECT_EQ(keys[i + 1], "down 10") << i;
  }
  // ...which releases what the macro still holds, newest first, 50 ms apart.
  EXPECT_THAT(std::vector<std::string>(keys.end() - 2, keys.end()), ElementsAre("up 10", "up 42"));
  EXPECT_GE(Gap(seen[seen.size() - 2], seen.back()), 50 - kMadeUp);
  EXPECT_LT(Gap(seen[kShift], seen.back()), 6000);  // before the pause would have ended

  // A further press plays it from the beginning.
  recorder_->Clear();
  ASSERT_TRUE(h_->EditCurrentProfile([](Profile& p) { p.MacroKeyInfo[kButton - 1].count = 2; }));
  Event(kButtonPressed, kButton);
  ASSERT_TRUE(recorder_->WaitForKeys(2, 300, 5000));
  EXPECT_THAT(Keys(), ElementsAre("down 41", "up 41"));
}

TEST_F(MonitorActionsEndToEnd, MacroMouseButtonsReachTheDesktopAsTheirButtons) {
  constexpr int kButton = 9;
  MacroKeyInfo macro{};
  macro.function = kFunctionMacro;
  macro.repeat = 1;
  macro.count = 10;
  std::strcpy(macro.macroName, "clicks");
  int i = 0;
  for (uint8_t code : {240, 241, 242, 243, 244}) {  // left, right, middle, back, forward
    SetMacroEvent(macro, i++, {code, kEventPress, 5});
    SetMacroEvent(macro, i++, {code, kEventRelease, 5});
  }
  SetButton(kButton, macro);
  Event(kButtonPressed, kButton);
  ASSERT_TRUE(recorder_->WaitForKeys(10, 300, 5000));
  // The back button is the first extended button, as browsers take it.
  EXPECT_THAT(Keys(), ElementsAre("down left", "up left", "down right", "up right", "down middle",
                                  "up middle", "down x1", "up x1", "down x2", "up x2"));
}

TEST_F(MonitorActionsEndToEnd, VolumeKeyRepeatsWhileHeldAndStopsAtTheRelease) {
  Event(kMultimedia, 0x26);  // volume up pressed
  // Released once it has repeated three times (about 0.3, 0.6 and 0.9 s).
  constexpr size_t kHeldRepeats = 3;
  ASSERT_TRUE(CMonitorHarness::WaitFor([] { return Seen().size() >= 2 + 2 * kHeldRepeats; }, 10000));
  Event(kMultimedia, kReleased + 0x26);
  // Mute behind the release marks where Monitor took it: no repeat may come
  // after the mute, even two periods later.
  Event(kMultimedia, 0x25);
  ASSERT_TRUE(CMonitorHarness::WaitFor(
      [] { return !Keys().empty() && Keys().back() == "up ad"; }, 5000));
  Sleep(700);
  const std::vector<SeenKey> seen = Seen();
  const std::vector<std::string> keys = Keys();
  // Once at the press, then every 300 ms while held.
  ASSERT_GE(keys.size(), 4 + 2 * kHeldRepeats) << ::testing::PrintToString(keys);
  ASSERT_EQ(keys.size() % 2, 0u) << ::testing::PrintToString(keys);
  EXPECT_THAT(std::vector<std::string>(keys.end() - 2, keys.end()), ElementsAre("down ad", "up ad"));
  for (size_t i = 0; i + 2 < keys.size(); i += 2) {
    EXPECT_EQ(keys[i], "down af") << i;
    EXPECT_EQ(keys[i + 1], "up af") << i;
  }
  // The repeat timer starts after the first press is sent; a late repeat
  // lengthens only its own gap, a wrong period every gap.
  EXPECT_GE(Gap(seen[1], seen[2]), 300);
  long closest = 1000;
  for (size_t i = 2; i + 2 < keys.size(); i += 2) closest = std::min(closest, Gap(seen[i - 2], seen[i]));
  EXPECT_LT(closest, 450);

  // Volume down the same way (repeated if the release is slow to come); mute
  // once.
  recorder_->Clear();
  Event(kMultimedia, 0x27);
  Event(kMultimedia, kReleased + 0x27);
  Event(kMultimedia, 0x25);
  Event(kMultimedia, kReleased + 0x25);
  ASSERT_TRUE(recorder_->WaitForKeys(4, 400, 5000));
  const std::vector<std::string> down = Keys();
  ASSERT_EQ(down.size() % 2, 0u) << ::testing::PrintToString(down);
  for (size_t i = 0; i + 2 < down.size(); i += 2)
    EXPECT_THAT(std::vector<std::string>(down.begin() + i, down.begin() + i + 2),
                ElementsAre("down ae", "up ae"));
  EXPECT_THAT(std::vector<std::string>(down.end() - 2, down.end()), ElementsAre("down ad", "up ad"));
}

TEST_F(MonitorActionsEndToEnd, ProgramButtonStartsItsProgram) {
  constexpr int kButton = 16;
  const std::string program = h_->Folder() + "launched_program.exe";
  ASSERT_TRUE(CopyFileA((harness::BinFolder() + "desktop_actions_helper_win32.exe").c_str(),
                        program.c_str(), FALSE));
  DeleteFileA((program + ".ran").c_str());
  MacroKeyInfo info{};
  info.function = kFunctionProgram;
  std::snprintf(info.program, sizeof info.program, "%s", program.c_str());
  SetButton(kButton, info);
  Event(kRunProgram, kReleased + kButton);  // a release starts nothing
  Event(kRunProgram, kButton);
  constexpr DWORD kStartMs = 10000;  // a busy machine starts programs slowly
  EXPECT_TRUE(CMonitorHarness::WaitFor([&] { return FileExists(program + ".ran"); }, kStartMs));

  // Once the button does something else, the program event does nothing. (The
  // marker can be removed once the program has let go of it.)
  ASSERT_TRUE(CMonitorHarness::WaitFor(
      [&] { return DeleteFileA((program + ".ran").c_str()) != 0; }, 5000));
  SetButton(kButton, KeyCombination(0x04, kModPlainKey));
  Event(kRunProgram, kButton);
  // As long as the start above was given.
  EXPECT_FALSE(CMonitorHarness::WaitFor([&] { return FileExists(program + ".ran"); }, kStartMs));
}

TEST_F(MonitorActionsEndToEnd, MediaCommandsReachTheStandInPlayers) {
  stand_in::Players players;
  stand_in::ReceivedLog().clear();
  // The player changes once the previous one has what it was sent: a change
  // sent to Monitor would overtake the mouse's events still in its queue.
  auto player = [](int option, size_t receivedBefore) {
    ASSERT_TRUE(stand_in::PumpUntil(
        [&] { return stand_in::ReceivedLog().size() >= receivedBefore; }, 5000));
    ASSERT_TRUE(h_->EditCurrentProfile([&](Profile& p) { p.MediaOption = option; }));
  };
  player(1, 0);  // iTunes: keystrokes to its window
  Event(kMultimedia, 0x21);
  Event(kMultimedia, kReleased + 0x21);  // releases do nothing
  Event(kMultimedia, 0x24);
  player(2, 6);  // RealPlayer: its menu commands
  Event(kMultimedia, 0x22);
  player(3, 7);  // Winamp: its menu commands, play and pause by turns
  Event(kMultimedia, 0x23);
  Event(kMultimedia, 0x23);
  EXPECT_TRUE(stand_in::PumpUntil([] { return stand_in::ReceivedLog().size() >= 9; }, 5000));
  stand_in::Pump(300);
  EXPECT_THAT(stand_in::ReceivedLog(),
              ElementsAre(Received{players.itunes, WM_KEYDOWN, 0x11, 0x001D0001},
                          Received{players.itunes, WM_KEYDOWN, 0x27, 0x014D0001},
                          Received{players.itunes, WM_KEYUP, 0x27, static_cast<LPARAM>(0xC14D0001u)},
                          Received{players.itunes, WM_KEYUP, 0x11, static_cast<LPARAM>(0xC01D0001u)},
                          Received{players.itunes, WM_KEYDOWN, 0x20, 0x00390001},
                          Received{players.itunes, WM_KEYUP, 0x20, static_cast<LPARAM>(0xC0390001u)},
                          Received{players.real, WM_COMMAND, 65740, 0},
                          Received{players.winamp, WM_COMMAND, 40045, 0},
                          Received{players.winamp, WM_COMMAND, 40046, 0}));
}

TEST_F(MonitorActionsEndToEnd, PlayersAreBroughtForwardOrStartedFromTheRegistry) {
  // A running Windows Media Player only comes forward.
  HWND wmp = stand_in::MakeWindow("WMPlayerApp", "Windows Media Player");
  ShowWindow(wmp, SW_SHOWNOACTIVATE);
  ASSERT_TRUE(h_->EditCurrentProfile([](Profile& p) { p.MediaOption = 0; }));
  Event(kMultimedia, 0x20);
  EXPECT_TRUE(stand_in::PumpUntil([&] { return GetForegroundWindow() == wmp; }, 3000));
  DestroyWindow(wmp);

  const std::string winamp = h_->Folder() + "winamp_standin.exe";
  ASSERT_TRUE(CopyFileA((harness::BinFolder() + "desktop_actions_helper_win32.exe").c_str(),
                        winamp.c_str(), FALSE));
  DeleteFileA((winamp + ".ran").c_str());
  stand_in::CWinampRegistration registration(winamp);
  ASSERT_TRUE(registration.Ok());
  ASSERT_TRUE(h_->EditCurrentProfile([](Profile& p) { p.MediaOption = 3; }));
  Event(kMultimedia, 0x20);
  EXPECT_TRUE(CMonitorHarness::WaitFor([&] { return FileExists(winamp + ".ran"); }, 10000));
}

// The notice window, shown for a moment near the bottom of the screen.
bool OverlayShown(RECT& where) {
  HWND overlay = FindWindowA(nullptr, names::kOverlayTitle);
  return overlay && IsWindowVisible(overlay) && GetWindowRect(overlay, &where);
}

TEST_F(MonitorActionsEndToEnd, NoticesReachTheNoticeWindowAndShowForAMoment) {
  RECT where{};
  ASSERT_TRUE(CMonitorHarness::WaitFor([&] { return !OverlayShown(where); }, 5000));
  Event(kProfileSwitch, 3);
  EXPECT_TRUE(CMonitorHarness::WaitFor([&] { return OverlayShown(where); }, 10000));
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  EXPECT_NEAR((where.left + where.right) / 2, screenWidth / 2, 2);
  EXPECT_GT(where.top, GetSystemMetrics(SM_CYSCREEN) / 2);
  // Gone again after a moment.
  EXPECT_TRUE(CMonitorHarness::WaitFor([&] { return !OverlayShown(where); }, 10000));

  Event(kLevelChange, 2);
  EXPECT_TRUE(CMonitorHarness::WaitFor([&] { return OverlayShown(where); }, 10000));
  EXPECT_EQ(h_->ConfigString("OverlayData", "Message").rfind("CPI: ", 0), 0u);
  EXPECT_TRUE(CMonitorHarness::WaitFor([&] { return !OverlayShown(where); }, 10000));

  // A macro button names its macro.
  MacroKeyInfo macro{};
  macro.function = kFunctionMacro;
  macro.count = 2;
  std::strcpy(macro.macroName, "notice macro");
  SetMacroEvent(macro, 0, {0x04, kEventPress, 1});
  SetMacroEvent(macro, 1, {0x04, kEventRelease, 1});
  SetButton(14, macro);
  Event(kButtonPressed, 14);
  EXPECT_TRUE(CMonitorHarness::WaitFor([&] { return OverlayShown(where); }, 10000));
  EXPECT_EQ(h_->ConfigString("MacroOverlay", "MacroName"), "notice macro");
  EXPECT_EQ(h_->ConfigInt("MacroOverlay", "Number", -1), 3);  // button 14 is numbered like 4
}

}  // namespace
