#include "monitor/service/monitor_core.h"

#include <gtest/gtest.h>

#include <cstring>

#include "fake_monitor_platform.h"
#include "settings/system_names.h"

namespace {

constexpr WindowHandle kOption = 11, kOverlay = 22;

class CRecordingActions : public CHostActions {
 public:
  std::vector<std::string> calls;
  void OnButton(int b, bool pressed) override {
    calls.push_back("button " + std::to_string(b) + (pressed ? " down" : " up"));
  }
  void OnRunProgram(int b) override { calls.push_back("run " + std::to_string(b)); }
  void OnMultimedia(int f, bool pressed) override {
    calls.push_back("media " + std::to_string(f) + (pressed ? " down" : " up"));
  }
  void OnTimer(unsigned id) override { calls.push_back("timer " + std::to_string(id)); }
  void ReleaseHeld() override { calls.push_back("release held"); }
};

std::string PostLine(WindowHandle w, unsigned m, uintptr_t wp, intptr_t lp) {
  return "post " + std::to_string(w) + " " + std::to_string(m) + " " + std::to_string(wp) + " " +
         std::to_string(lp);
}

uint32_t Word(uint32_t type, uint32_t value) { return (type << 16) | value; }

class MonitorCoreTest : public ::testing::Test {
 protected:
  MonitorCoreTest() {
    fake.loaded.CurrentProfile = 1;
    for (auto& p : fake.loaded.Profiles) {
      p.TiltSpeed = 3;
      p.CpiStep = 0;
      p.Sensitivity_X = p.Sensitivity_Y = 10;
      p.PollingRate = 1;
      for (int l = 0; l < kLevelCount; ++l) p.CpiLevel_X[l] = l + 2;
    }
    core.SetHostActions(&actions);
  }
  void StartWithPartners(bool attached = true) {
    fake.attachedAtStart = attached;
    fake.windows[names::kOptionTitle] = kOption;
    fake.windows[names::kOverlayTitle] = kOverlay;
    ASSERT_TRUE(core.Start(false));
    fake.log.clear();
  }
  FakeMonitorPlatform fake;
  CRecordingActions actions;
  CMonitorCore core{fake};
};

TEST_F(MonitorCoreTest, StartWithTheMouseAttached) {
  ASSERT_TRUE(core.Start(false));
  const std::vector<std::string> expected = {
      "load", "read overlay", "mutex", "block create", "block write", "workers", "connect",
      "timer 500 10000", "timer 503 2000", "timer 502 200", "tray add", "key Device 1", "apply system",
      "open C:\\Osprey\\Overlay.exe", "open C:\\Osprey\\Applets\\SysGauge.exe",
      "open C:\\Osprey\\Applets\\MailWatch.EXE"};
  EXPECT_EQ(fake.log, expected);
  EXPECT_EQ(core.DeviceStateValue(), kDeviceAttached);
  EXPECT_EQ(fake.block.CurrentProfile, 1);
}

TEST_F(MonitorCoreTest, StartWithoutTheMouseHasNoTrayNoTimers) {
  fake.attachedAtStart = false;
  ASSERT_TRUE(core.Start(true));
  EXPECT_FALSE(fake.Has("tray add"));
  EXPECT_FALSE(fake.Has("timer 500 10000"));
  EXPECT_FALSE(fake.Has("timer 502 200"));
  EXPECT_EQ(fake.deviceStateKey, 0);
  EXPECT_EQ(core.DeviceStateValue(), kDeviceNotFound);
  // The request to open Option only comes through when the mouse is there.
  EXPECT_FALSE(fake.Has("open C:\\Osprey\\Option.exe"));
}

TEST_F(MonitorCoreTest, StartRefusedWhenAnotherMonitorOwnsTheBlock) {
  fake.mutexFree = false;
  EXPECT_FALSE(core.Start(false));
  EXPECT_FALSE(fake.Has("block create"));
  EXPECT_FALSE(fake.Has("connect"));
}

TEST_F(MonitorCoreTest, StartMendsAnActiveProfileOutOfRange) {
  fake.loaded.CurrentProfile = -1;
  ASSERT_TRUE(core.Start(false));
  EXPECT_EQ(core.Settings().CurrentProfile, 0);
  fake.block.CurrentProfile = 9;
  core.OnCopyBlock();
  EXPECT_EQ(core.Settings().CurrentProfile, 0);
}

TEST_F(MonitorCoreTest, OpenOptionRequestStartsOrActivatesOption) {
  ASSERT_TRUE(core.Start(true));
  EXPECT_TRUE(fake.Has("open C:\\Osprey\\Option.exe"));
  EXPECT_TRUE(fake.Has("trace CMonitorWnd OnCustomizer hWnd==NULL\n"));
  fake.log.clear();
  fake.windows[names::kOptionTitle] = kOption;
  core.OnCustomizer();
  EXPECT_TRUE(fake.Has("activate 11"));
  EXPECT_FALSE(fake.Has("open C:\\Osprey\\Option.exe"));
}

TEST_F(MonitorCoreTest, FirstTransferTimerFiresOnce) {
  StartWithPartners();
  core.OnTimer(TIMER_FIRST_TRANSFER);
  EXPECT_EQ(fake.log, (std::vector<std::string>{"stop timer 502", "transfer 2"}));
}

TEST_F(MonitorCoreTest, ApplyWithTheMouseStartsAChangeTransfer) {
  StartWithPartners();
  fake.block = core.Settings();
  fake.block.Profiles[1].TiltSpeed = 7;
  fake.overlayRecord.DisplayHigh = 0x12345;  // only the low 16 bits travel
  fake.overlayRecord.DisplayLow = 0x6;
  core.OnApplyRequest();
  EXPECT_EQ(core.Settings().Profiles[1].TiltSpeed, 7);
  EXPECT_TRUE(fake.Has("apply system"));
  EXPECT_TRUE(fake.Has(PostLine(kOverlay, MSG_OVERLAY_SETTINGS, 0, 0x23450006)));
  EXPECT_TRUE(fake.Has("transfer 1"));
  EXPECT_FALSE(fake.Has(PostLine(kOption, MSG_APPLY_DONE, 0, 0)));
  core.OnTransferFinished(TRANSFER_CHANGES, TransferResult::Completed);
  EXPECT_TRUE(fake.Has(PostLine(kOption, MSG_APPLY_DONE, 0, 0)));
}

TEST_F(MonitorCoreTest, ApplyAnswersAtOnceWithoutTheMouseOrTheThread) {
  StartWithPartners(false);
  core.OnApplyRequest();
  EXPECT_FALSE(fake.Has("transfer 1"));
  EXPECT_EQ(fake.Count(PostLine(kOption, MSG_APPLY_DONE, 0, 0)), 1);

  FakeMonitorPlatform fake2;
  CMonitorCore core2{fake2};
  fake2.windows[names::kOptionTitle] = kOption;
  fake2.transferThreadTakes = false;
  ASSERT_TRUE(core2.Start(false));
  core2.OnApplyRequest();
  EXPECT_TRUE(fake2.Has("transfer 1"));
  EXPECT_EQ(fake2.Count(PostLine(kOption, MSG_APPLY_DONE, 0, 0)), 1);
}

TEST_F(MonitorCoreTest, ApplyKeepsTheNoticeSettingsWhenTheRecordIsMissing) {
  fake.overlayRecord.Switches[2] = 1;
  StartWithPartners();
  fake.overlayRecordPresent = false;
  core.OnApplyRequest();
  EXPECT_EQ(core.Notices().Switches[2], 1);
}

TEST_F(MonitorCoreTest, CopyBlockMessages) {
  StartWithPartners();
  fake.block = core.Settings();
  fake.block.Profiles[0].TiltSpeed = 9;
  core.OnCopyBlock();
  EXPECT_EQ(core.Settings().Profiles[0].TiltSpeed, 9);
  EXPECT_FALSE(fake.Has("apply system"));
  core.OnCopyBlockAndApply();
  EXPECT_TRUE(fake.Has("apply system"));
}

TEST_F(MonitorCoreTest, ArrivalWaitsThenMarksEverythingAndTransfersAll) {
  StartWithPartners(false);
  core.OnDeviceMessage(Word(0x7F00, 1));
  const std::vector<std::string> expected = {"sleep 1000", "open device", "transfer 2", "tray add",
                                             "key Device 1", "timer 500 10000", "timer 503 2000"};
  EXPECT_EQ(fake.log, expected);
  EXPECT_EQ(core.DeviceStateValue(), kDeviceAttached);
  EXPECT_EQ(core.Settings().ButtonChanged[4][15], 1);
  EXPECT_EQ(core.Settings().SettingsChanged[0], 1);
  EXPECT_EQ(fake.block.ButtonChanged[4][15], 0) << "the shared block is not touched";
  fake.log.clear();
  core.OnDeviceMessage(Word(0x7F00, 1));
  EXPECT_TRUE(fake.log.empty());
}

TEST_F(MonitorCoreTest, RemovalClosesOptionAndStopsEverything) {
  StartWithPartners();
  core.OnDeviceMessage(Word(0x7F00, 2));
  const std::vector<std::string> expected = {"close device", "abort",          "tray remove",
                                             "stop timer 500", "stop timer 503", "key Device 0",
                                             "close 11"};
  EXPECT_EQ(fake.log, expected);
  EXPECT_EQ(core.DeviceStateValue(), kDeviceRemoved);
  // The mouse reports no releases any more: what its buttons hold comes up.
  EXPECT_EQ(actions.calls, std::vector<std::string>{"release held"});
  fake.log.clear();
  actions.calls.clear();
  core.OnDeviceMessage(Word(0x7F00, 2));
  EXPECT_TRUE(fake.log.empty());
  EXPECT_TRUE(actions.calls.empty());
  // Without the mouse an applet's text is stored but not shown.
  char record[151] = {};
  std::strcpy(record + 1, "hello");
  core.OnAppletText(record, sizeof record);
  EXPECT_EQ(fake.noticeText, "hello");
  EXPECT_FALSE(fake.Has(PostLine(kOverlay, MSG_OVERLAY_SHOW, OVERLAY_TEXT, 0)));
}

TEST_F(MonitorCoreTest, MouseSwitchesProfile) {
  StartWithPartners();
  core.OnDeviceMessage(Word(0x0800, 3));
  EXPECT_EQ(core.Settings().CurrentProfile, 2);
  EXPECT_EQ(fake.currentProfileKey, 2);
  EXPECT_EQ(fake.block.CurrentProfile, 2);
  const int write = fake.IndexOf("block write");
  const int profilePost = fake.IndexOf(PostLine(kOption, MSG_PROFILE_CHANGED, 0, 0));
  const int notice = fake.IndexOf(PostLine(kOverlay, MSG_OVERLAY_SHOW, OVERLAY_PROFILE, 2 * 65536));
  const int changed = fake.IndexOf(PostLine(kOption, MSG_DEVICE_CHANGED, 0, 0));
  EXPECT_TRUE(write >= 0 && write < profilePost && profilePost < notice && notice < changed);
  EXPECT_TRUE(fake.Has("trace Show Overlay 22\n"));
  core.OnDeviceMessage(Word(0x0800, 6));
  EXPECT_EQ(core.Settings().CurrentProfile, 2);
}

TEST_F(MonitorCoreTest, MouseChangesLevelWithTheNumberOptionShows) {
  StartWithPartners();
  core.Settings().Profiles[1].CpiLevel_X[2] = 8;
  core.OnDeviceMessage(Word(0x0700, 3));
  EXPECT_EQ(core.Settings().Profiles[1].CpiStep, 2);
  EXPECT_EQ(fake.noticeText, "CPI: 2000");
  EXPECT_LT(fake.IndexOf("message CPI: 2000"),
            fake.IndexOf(PostLine(kOverlay, MSG_OVERLAY_SHOW, OVERLAY_TEXT, 0)));
  EXPECT_TRUE(fake.Has(PostLine(kOption, MSG_DEVICE_CHANGED, 0, 0)));
  EXPECT_FALSE(fake.Has(PostLine(kOption, MSG_PROFILE_CHANGED, 0, 0)));
}

TEST_F(MonitorCoreTest, LevelBeyondTheFiveKeepsTheStepAndShowsAnEmptyText) {
  StartWithPartners();
  core.OnDeviceMessage(Word(0x0700, 6));
  EXPECT_EQ(core.Settings().Profiles[1].CpiStep, 0);
  EXPECT_EQ(fake.noticeText, "");
  EXPECT_TRUE(fake.Has(PostLine(kOverlay, MSG_OVERLAY_SHOW, OVERLAY_TEXT, 0)));
}

TEST_F(MonitorCoreTest, SensitivityAndRateMirrorWithoutNotice) {
  StartWithPartners();
  core.OnDeviceMessage(Word(0xC000, 0x0A00 | 0x00));
  EXPECT_EQ(core.Settings().Profiles[1].Sensitivity_X, 10);
  core.OnDeviceMessage(Word(0xC000, 0x0305));
  EXPECT_EQ(core.Settings().Profiles[1].Sensitivity_X, 5);
  EXPECT_EQ(core.Settings().Profiles[1].Sensitivity_Y, 3);
  core.OnDeviceMessage(Word(0x01F2, 8));
  EXPECT_EQ(core.Settings().Profiles[1].PollingRate, 0);
  core.OnDeviceMessage(Word(0x01F2, 5));
  EXPECT_EQ(core.Settings().Profiles[1].PollingRate, 0);
  EXPECT_EQ(fake.Count(PostLine(kOption, MSG_DEVICE_CHANGED, 0, 0)), 3);
  EXPECT_EQ(fake.Count("block write"), 3);
  EXPECT_FALSE(fake.Has(PostLine(kOverlay, MSG_OVERLAY_SHOW, OVERLAY_TEXT, 0)));
}

TEST_F(MonitorCoreTest, MirrorWithoutPartnersPostsNothing) {
  ASSERT_TRUE(core.Start(false));
  fake.log.clear();
  core.OnDeviceMessage(Word(0x0800, 1));
  core.OnDeviceMessage(Word(0x0700, 1));
  for (const auto& line : fake.log) EXPECT_NE(line.rfind("post", 0), 0u) << line;
  EXPECT_TRUE(fake.Has("trace Show Overlay 0\n"));
}

TEST_F(MonitorCoreTest, HostEventsGoToTheActions) {
  StartWithPartners();
  core.OnDeviceMessage(Word(0x4000, 0x0002));
  core.OnDeviceMessage(Word(0x5000, 0x0102));
  core.OnDeviceMessage(Word(0x000A, 0x0004));
  core.OnDeviceMessage(Word(0xF000, 0x0021));
  core.OnTimer(TIMER_VOLUME_REPEAT);
  core.OnTimer(TIMER_KEY_REPEAT);
  const std::vector<std::string> expected = {"button 2 down", "button 2 up", "run 4", "media 33 down",
                                             "timer 101", "timer 102"};
  EXPECT_EQ(actions.calls, expected);
  core.OnDeviceMessage(Word(0x00A0, 0));
  EXPECT_TRUE(fake.Has("command 6001"));
}

TEST_F(MonitorCoreTest, MacroNoticeOnlyForMacroButtonsWhenEnabled) {
  fake.overlayRecord.Switches[3] = 1;
  StartWithPartners();
  Profile& p = core.Settings().Profiles[1];
  p.MacroKeyInfo[13].function = kFunctionMacro;
  std::memset(p.MacroKeyInfo[13].macroName, 'M', sizeof p.MacroKeyInfo[13].macroName);  // no NUL
  p.MacroKeyInfo[0].function = 1;
  core.OnDeviceMessage(Word(0x4000, 14));
  EXPECT_EQ(fake.macroNumber, 3);
  EXPECT_EQ(fake.macroName, std::string(25, 'M'));
  EXPECT_EQ(fake.Count(PostLine(kOverlay, MSG_OVERLAY_SHOW, OVERLAY_MACRO, 0)), 1);
  core.OnDeviceMessage(Word(0x4000, 0x010E));  // release
  core.OnDeviceMessage(Word(0x5000, 14));      // quiet event
  core.OnDeviceMessage(Word(0x4000, 1));       // not a macro
  p.MacroKeyInfo[15].function = kFunctionMacro;
  core.OnDeviceMessage(Word(0x4000, 16));      // button 16 never
  EXPECT_EQ(fake.Count(PostLine(kOverlay, MSG_OVERLAY_SHOW, OVERLAY_MACRO, 0)), 1);
}

TEST_F(MonitorCoreTest, MacroNoticeOffByDefault) {
  StartWithPartners();
  core.Settings().Profiles[1].MacroKeyInfo[2].function = kFunctionMacro;
  core.OnDeviceMessage(Word(0x4000, 3));
  EXPECT_FALSE(fake.Has(PostLine(kOverlay, MSG_OVERLAY_SHOW, OVERLAY_MACRO, 0)));
}

TEST_F(MonitorCoreTest, ScrollUsesTheTiltSpeed) {
  StartWithPartners();
  core.OnDeviceMessage(Word(0x1000, 0xFF));
  EXPECT_TRUE(fake.Has("scroll 1 x3"));
  core.Settings().Profiles[1].TiltSpeed = 0;
  fake.log.clear();
  core.OnDeviceMessage(Word(0x1000, 1));
  EXPECT_TRUE(fake.log.empty());
}

TEST_F(MonitorCoreTest, AutoSwitchPicksTheLowestMatchingProfile) {
  fake.overlayRecord.Switches[2] = 1;
  StartWithPartners();
  std::strcpy(core.Settings().Profiles[3].GameFile, "  C:\\Games\\Quake.EXE ");
  std::strcpy(core.Settings().Profiles[4].GameFile, "D:/other/quake.exe");
  fake.foreground = "quake.exe";
  core.OnTimer(TIMER_AUTO_SWITCH);
  EXPECT_EQ(core.Settings().CurrentProfile, 3);
  EXPECT_EQ(fake.block.CurrentProfile, 3);
  const std::vector<std::string> expected = {
      "block write", "transfer 3", "write system", "apply system",
      PostLine(kOption, MSG_PROFILE_CHANGED, 0, 0),
      PostLine(kOverlay, MSG_OVERLAY_SHOW, OVERLAY_PROFILE, 3 * 65536)};
  EXPECT_EQ(fake.log, expected);
  fake.log.clear();
  core.OnTransferFinished(TRANSFER_PROFILE_ONLY, TransferResult::Completed);
  EXPECT_EQ(fake.log, (std::vector<std::string>{
                          PostLine(kOverlay, MSG_OVERLAY_SHOW, OVERLAY_PROFILE, 3 * 65536)}));
  fake.log.clear();
  core.OnTimer(TIMER_AUTO_SWITCH);  // already current
  fake.foreground = "notepad.exe";
  core.OnTimer(TIMER_AUTO_SWITCH);  // no switch back
  EXPECT_TRUE(fake.log.empty());
  EXPECT_EQ(core.Settings().CurrentProfile, 3);
}

TEST_F(MonitorCoreTest, ForegroundFlickerSettlesIntoOneSwitchToTheLastProgram) {
  StartWithPartners();
  std::strcpy(core.Settings().Profiles[2].GameFile, "flash.exe");
  std::strcpy(core.Settings().Profiles[4].GameFile, "game.exe");
  core.OnForegroundChanged(1000);  // flash.exe takes the foreground...
  core.OnForegroundChanged(1020);  // ...and game.exe gets it back
  fake.foreground = "game.exe";
  EXPECT_EQ(fake.log, (std::vector<std::string>{"timer 503 40", "timer 503 40"}));
  fake.log.clear();
  core.OnTimer(TIMER_FOREGROUND_SETTLE);
  EXPECT_EQ(fake.Count("transfer 3"), 1);
  EXPECT_EQ(fake.log.front(), "stop timer 503");
  EXPECT_EQ(core.Settings().CurrentProfile, 4);
  fake.log.clear();
  // Without the mouse nothing is watched.
  core.OnDeviceMessage(Word(0x7F00, 2));
  fake.log.clear();
  core.OnForegroundChanged(2000);
  EXPECT_TRUE(fake.log.empty());
}

TEST(ForegroundSettle, WaitsForStillnessButNotPastTheLimit) {
  CForegroundSettle settle;
  EXPECT_EQ(settle.OnChange(0xFFFFFFF0u), kForegroundSettle);  // the clock wraps meanwhile
  EXPECT_EQ(settle.OnChange(0xFFFFFFF0u + 30), kForegroundSettle);
  EXPECT_EQ(settle.OnChange(0xFFFFFFF0u + kForegroundSettleLimit - 10), 10u);
  EXPECT_EQ(settle.OnChange(0xFFFFFFF0u + kForegroundSettleLimit), 0u);
  settle.Reset();
  EXPECT_EQ(settle.OnChange(500), kForegroundSettle);
}

TEST_F(MonitorCoreTest, AutoSwitchCutShortByAnUnplugIsNotAnnouncedAgain) {
  fake.overlayRecord.Switches[2] = 1;
  StartWithPartners();
  std::strcpy(core.Settings().Profiles[2].GameFile, "game.exe");
  fake.foreground = "game.exe";
  core.OnTimer(TIMER_AUTO_SWITCH);
  fake.log.clear();
  core.OnTransferFinished(TRANSFER_PROFILE_ONLY, TransferResult::Aborted);
  core.OnTransferFinished(TRANSFER_PROFILE_ONLY, TransferResult::NoDevice);
  EXPECT_TRUE(fake.log.empty());
}

TEST_F(MonitorCoreTest, AutoSwitchWithoutProfileNoticesPostsNoNotice) {
  StartWithPartners();
  std::strcpy(core.Settings().Profiles[0].GameFile, "game.exe");
  fake.foreground = "game.exe";
  core.OnTimer(TIMER_AUTO_SWITCH);
  core.OnTransferFinished(TRANSFER_PROFILE_ONLY, TransferResult::Completed);
  EXPECT_EQ(core.Settings().CurrentProfile, 0);
  EXPECT_FALSE(fake.Has(PostLine(kOverlay, MSG_OVERLAY_SHOW, OVERLAY_PROFILE, 0)));
}

TEST_F(MonitorCoreTest, AppletTextOfExactly151Bytes) {
  StartWithPartners();
  char record[151];
  std::memset(record, 'x', sizeof record);  // no terminator anywhere
  core.OnAppletText(record, 150);
  EXPECT_EQ(fake.noticeText, "<unset>");
  core.OnAppletText(record, sizeof record);
  EXPECT_EQ(fake.noticeText, std::string(150, 'x'));
  EXPECT_EQ(fake.Count(PostLine(kOverlay, MSG_OVERLAY_SHOW, OVERLAY_TEXT, 0)), 1);
}

TEST_F(MonitorCoreTest, TrayIconComesBackWhenTheShellWasNotThereOrRestarted) {
  fake.shellTakesTrayIcon = false;  // logon: the shell isn't up yet
  StartWithPartners();
  fake.shellTakesTrayIcon = true;
  core.OnTimer(TIMER_AUTO_SWITCH);
  core.OnTimer(TIMER_AUTO_SWITCH);
  EXPECT_EQ(fake.Count("tray add"), 1);
  core.OnTaskbarCreated();
  EXPECT_EQ(fake.log.back(), "tray add");
  core.OnDeviceMessage(Word(0x7F00, 2));
  fake.log.clear();
  core.OnTaskbarCreated();  // no mouse, no icon
  EXPECT_FALSE(fake.Has("tray add"));
}

TEST_F(MonitorCoreTest, ShutdownInOrder) {
  StartWithPartners();
  fake.windows[names::kAppletGaugeTitle] = 32;
  fake.windows[names::kAppletMsnTitle] = 34;
  core.Shutdown();
  const std::vector<std::string> expected = {
      "stop timer 500", "stop timer 503", "stop timer 502", "close 11", "close 22", "close 32", "close 34",
      "abort", "stop transfer thread", "disconnect", "stop macro thread", "block close",
      "tray remove"};
  EXPECT_EQ(fake.log, expected);
}

}  // namespace
