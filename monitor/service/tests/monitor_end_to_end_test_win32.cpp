// Monitor.exe as a real process against the virtual mouse, with stand-ins
// for Option, the notice window and the applets.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>

#include "monitor/device/transfer.h"
#include "monitor/device/hid_library_win32.h"
#include "monitor_harness_win32.h"
#include "virtualmouse/tests/expected_mouse.h"
#include "virtualmouse/state_dump.h"

namespace {

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

std::string Line(unsigned message, unsigned long long wParam, long long lParam) {
  return std::to_string(message) + " " + std::to_string(wParam) + " " + std::to_string(lParam) + "\n";
}

class MonitorEndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(h.Ready());
    // A stray Monitor of an earlier failed run would own the block.
    if (HWND stray = h.MonitorWindow()) PostMessageA(stray, WM_COMMAND, CMD_EXIT_MONITOR, 0);
    ASSERT_TRUE(CMonitorHarness::WaitFor([&] { return h.MonitorWindow() == nullptr; }, 20000));
  }
  // Starts the mouse and Monitor and waits until the first transfer is over.
  void StartAll(bool plugged = true) {
    ASSERT_TRUE(h.StartMouse(plugged));
    ASSERT_NE(h.StartMonitor(), nullptr);
    ASSERT_TRUE(CMonitorHarness::WaitFor([&] { return h.MonitorWindow() != nullptr; }, 20000));
    if (plugged) {
      ASSERT_EQ(h.Vmctl("wait-idle 700 30000"), 0);
    }
  }
  void SendEvent(unsigned type, unsigned value) {
    ASSERT_EQ(h.Vmctl("event " + std::to_string(type) + " " + std::to_string(value)), 0);
  }
  std::unique_ptr<ProfileSet> Block() {
    auto set = std::make_unique<ProfileSet>();
    EXPECT_TRUE(h.ReadBlock(*set));
    return set;
  }
  CMonitorHarness h;
};

TEST_F(MonitorEndToEnd, StartWithTheMousePluggedTransfersEverythingAfter200ms) {
  ASSERT_TRUE(h.StartMouse(true));
  const std::string fresh = h.Dump();
  ASSERT_NE(h.StartMonitor(), nullptr);
  ASSERT_TRUE(CMonitorHarness::WaitFor([&] { return h.MonitorWindow() != nullptr; }, 20000));
  const ULONGLONG shown = GetTickCount64();
  ASSERT_TRUE(CMonitorHarness::WaitFor([&] { return !h.ReportLog().empty(); }, 5000));
  const ULONGLONG firstReport = GetTickCount64() - shown;
  EXPECT_GE(firstReport, 100u);
  EXPECT_LE(firstReport, 1500u);
  ASSERT_EQ(h.Vmctl("wait-idle 700 30000"), 0);
  EXPECT_EQ(h.ConfigInt("Setting", "Device", -1), 1);
  const std::string afterMonitor = h.Dump();
  EXPECT_NE(afterMonitor, fresh);
  // The notice applet and the two applets were started with Monitor.
  EXPECT_NE(FindWindowA(nullptr, names::kOverlayTitle), nullptr);
  EXPECT_NE(FindWindowA(nullptr, names::kAppletGaugeTitle), nullptr);
  EXPECT_NE(FindWindowA(nullptr, names::kAppletPop3Title), nullptr);

  // The same profiles sent by a transfer of our own give the same mouse.
  auto set = Block();
  ASSERT_TRUE(h.StopMonitor());
  h.StopMouse();
  ASSERT_TRUE(h.StartMouse(true));
  HidLibrary link(h.Folder());
  ASSERT_TRUE(link.IsBound());
  link.Open_FeatureDevice();
  ASSERT_TRUE(link.Open_ReportDevice());
  ClockWait wait;
  Transfer transfer(link, wait);
  EXPECT_EQ(transfer.Run(TRANSFER_FULL, *set), TransferResult::Completed);
  EXPECT_EQ(h.Dump(), afterMonitor);
  link.Close_FeatureDevice();
  link.Close_ReportDevice();
}

TEST_F(MonitorEndToEnd, SecondMonitorExitsAndForwardsTheOpenRequest) {
  StartAll();
  EXPECT_EQ(CMonitorHarness::RunAndWait("\"" + h.Folder() + "Monitor.exe\"", 20000), 0);
  EXPECT_EQ(FindWindowA(nullptr, names::kOptionTitle), nullptr);
  EXPECT_EQ(CMonitorHarness::RunAndWait("\"" + h.Folder() + "Monitor.exe\" 1", 20000), 0);
  EXPECT_TRUE(CMonitorHarness::WaitFor(
      [] { return FindWindowA(nullptr, names::kOptionTitle) != nullptr; }, 20000));
  EXPECT_NE(h.MonitorWindow(), nullptr);
}

TEST_F(MonitorEndToEnd, UnplugClosesOptionAndPlugTransfersAgain) {
  StartAll();
  ASSERT_NE(h.StartStandIn("Option.exe"), nullptr);
  ASSERT_TRUE(CMonitorHarness::WaitFor(
      [] { return FindWindowA(nullptr, names::kOptionTitle) != nullptr; }, 20000));
  ASSERT_EQ(h.Vmctl("unplug"), 0);
  EXPECT_TRUE(CMonitorHarness::WaitFor([&] { return h.ConfigInt("Setting", "Device", -1) == 0; }, 5000));
  EXPECT_TRUE(CMonitorHarness::WaitFor([&] { return Contains(h.StandInLog("option"), Line(WM_CLOSE, 0, 0)); }, 5000));

  const size_t before = h.ReportLog().size();
  ASSERT_EQ(h.Vmctl("plug"), 0);
  const ULONGLONG plugged = GetTickCount64();
  ASSERT_TRUE(CMonitorHarness::WaitFor([&] { return h.ReportLog().size() > before; }, 10000));
  const ULONGLONG delay = GetTickCount64() - plugged;
  EXPECT_GE(delay, 800u);
  EXPECT_LE(delay, 3000u);
  EXPECT_TRUE(CMonitorHarness::WaitFor([&] { return h.ConfigInt("Setting", "Device", -1) == 1; }, 3000));
}

TEST_F(MonitorEndToEnd, MouseChangesReachConfigBlockAndPartners) {
  StartAll();
  ASSERT_NE(h.StartStandIn("Option.exe"), nullptr);
  ASSERT_TRUE(CMonitorHarness::WaitFor(
      [] { return FindWindowA(nullptr, names::kOptionTitle) != nullptr; }, 20000));

  SendEvent(0x0800, 3);
  ASSERT_TRUE(CMonitorHarness::WaitFor([&] { return h.ConfigInt("Setting", "CurrentProfile", -1) == 2; }, 5000));
  EXPECT_EQ(Block()->CurrentProfile, 2);
  EXPECT_TRUE(CMonitorHarness::WaitFor([&] {
    return Contains(h.StandInLog("overlay"), Line(MSG_OVERLAY_SHOW, OVERLAY_PROFILE, 2 * 65536));
  }, 5000));
  EXPECT_TRUE(Contains(h.StandInLog("option"), Line(MSG_PROFILE_CHANGED, 0, 0)));

  SendEvent(0x0700, 2);
  ASSERT_TRUE(CMonitorHarness::WaitFor([&] { return Block()->Profiles[2].CpiStep == 1; }, 5000));
  EXPECT_TRUE(CMonitorHarness::WaitFor([&] {
    return Contains(h.StandInLog("overlay"), Line(MSG_OVERLAY_SHOW, OVERLAY_TEXT, 0));
  }, 5000));
  EXPECT_EQ(h.ConfigString("OverlayData", "Message").rfind("CPI: ", 0), 0u);

  SendEvent(0xC000, 0x0A05);
  SendEvent(0x01F2, 4);
  ASSERT_TRUE(CMonitorHarness::WaitFor([&] { return Block()->Profiles[2].PollingRate == 1; }, 5000));
  auto set = Block();
  EXPECT_EQ(set->Profiles[2].Sensitivity_X, 5);
  EXPECT_EQ(set->Profiles[2].Sensitivity_Y, 10);
  const std::string option = h.StandInLog("option");
  size_t changed = 0;
  for (size_t at = option.find(Line(MSG_DEVICE_CHANGED, 0, 0)); at != std::string::npos;
       at = option.find(Line(MSG_DEVICE_CHANGED, 0, 0), at + 1))
    ++changed;
  EXPECT_EQ(changed, 4u);
}

TEST_F(MonitorEndToEnd, ApplyRunsAChangeTransferAndAnswers1256) {
  StartAll();
  ASSERT_NE(h.StartStandIn("Option.exe"), nullptr);
  ASSERT_TRUE(CMonitorHarness::WaitFor(
      [] { return FindWindowA(nullptr, names::kOptionTitle) != nullptr; }, 20000));
  auto set = std::make_unique<ProfileSet>(TestProfileSet());
  for (auto& p : set->ButtonChanged)
    for (auto& f : p) f = 1;
  for (int p = 0; p < kProfileCount; ++p)
    set->PollingChanged[p] = set->LevelChanged[p] = set->SettingsChanged[p] = 1;
  ASSERT_TRUE(h.WriteBlock(*set));
  SendMessageA(h.MonitorWindow(), MSG_APPLY, 0, 0);
  ASSERT_TRUE(CMonitorHarness::WaitFor([&] {
    return Contains(h.StandInLog("option"), Line(MSG_APPLY_DONE, 0, 0));
  }, 30000));
  EXPECT_EQ(h.Dump(), vmouse::DumpState(ExpectedAfterFullTransfer(), true, 0));

  // Without the mouse the answer comes at once.
  ASSERT_EQ(h.Vmctl("unplug"), 0);
  ASSERT_TRUE(CMonitorHarness::WaitFor([&] { return h.ConfigInt("Setting", "Device", -1) == 0; }, 5000));
  // The unplug closed Option; a new one waits for the answer.
  ASSERT_TRUE(CMonitorHarness::WaitFor(
      [] { return FindWindowA(nullptr, names::kOptionTitle) == nullptr; }, 10000));
  DeleteFileA((h.Folder() + "option.log").c_str());
  ASSERT_NE(h.StartStandIn("Option.exe"), nullptr);
  ASSERT_TRUE(CMonitorHarness::WaitFor(
      [] { return FindWindowA(nullptr, names::kOptionTitle) != nullptr; }, 20000));
  const ULONGLONG sent = GetTickCount64();
  SendMessageA(h.MonitorWindow(), MSG_APPLY, 0, 0);
  ASSERT_TRUE(CMonitorHarness::WaitFor([&] {
    return Contains(h.StandInLog("option"), Line(MSG_APPLY_DONE, 0, 0));
  }, 5000));
  EXPECT_LT(GetTickCount64() - sent, 1000u);
}

TEST_F(MonitorEndToEnd, ForegroundGameSwitchesTheProfileWithinOneTick) {
  StartAll();
  auto set = Block();
  std::strcpy(set->Profiles[3].GameFile, "C:\\Games\\Quake.exe");
  ASSERT_TRUE(h.WriteBlock(*set));
  SendMessageA(h.MonitorWindow(), MSG_APPLY, 0, 0);
  ASSERT_EQ(h.Vmctl("wait-idle 700 30000"), 0);
  ASSERT_NE(h.StartStandIn("quake.exe"), nullptr);
  ASSERT_TRUE(CMonitorHarness::WaitFor(
      [] { return FindWindowA(nullptr, "stand-in quake") != nullptr; }, 20000));
  HWND game = FindWindowA(nullptr, "stand-in quake");
  SetForegroundWindow(game);
  const ULONGLONG shown = GetTickCount64();
  ASSERT_TRUE(CMonitorHarness::WaitFor([&] { return Block()->CurrentProfile == 3; }, 5000));
  EXPECT_LE(GetTickCount64() - shown, 2600u);
  // Command 0x02 for profile 4 (device numbering), with its checksum.
  EXPECT_TRUE(CMonitorHarness::WaitFor([&] {
    return Contains(h.ReportLog(), "feature 02 04 00 00 00 00 00 F9");
  }, 3000)) << h.ReportLog();
}

TEST_F(MonitorEndToEnd, ExitFromTheTrayCommandEndsEverything) {
  StartAll();
  ASSERT_NE(h.StartStandIn("Option.exe"), nullptr);
  ASSERT_TRUE(CMonitorHarness::WaitFor(
      [] { return FindWindowA(nullptr, names::kOptionTitle) != nullptr; }, 20000));
  HANDLE monitor = h.MonitorProcess();
  PostMessageA(h.MonitorWindow(), WM_COMMAND, CMD_EXIT_MONITOR, 0);
  ASSERT_EQ(WaitForSingleObject(monitor, 20000), WAIT_OBJECT_0);
  DWORD code = 1;
  GetExitCodeProcess(monitor, &code);
  EXPECT_EQ(code, 0u);
  for (const char* title : {names::kOptionTitle, names::kOverlayTitle, names::kAppletGaugeTitle,
                            names::kAppletPop3Title})
    EXPECT_TRUE(CMonitorHarness::WaitFor([&] { return FindWindowA(nullptr, title) == nullptr; }, 10000))
        << title;
  EXPECT_EQ(h.MonitorWindow(), nullptr);
}

TEST_F(MonitorEndToEnd, SurvivesPlugCyclesAndAnEventStorm) {
  StartAll();
  for (int i = 0; i < 50; ++i) {
    ASSERT_EQ(h.Vmctl("unplug"), 0);
    ASSERT_EQ(h.Vmctl("plug"), 0);
    Sleep(i % 7 * 150);  // unplug at different points of the transfer
  }
  std::mt19937 random(1234);
  // The types whose handling changes settings, plus noise; not the host
  // actions (they type and start programs on the desktop).
  const unsigned types[] = {0x01F2, 0x0800, 0x08FF, 0x0700, 0x07FF, 0xC000, 0xE000, 0x1000};
  HWND monitor = h.MonitorWindow();
  for (int i = 0; i < 100000; ++i) {
    const unsigned type = (i % 4 == 3) ? (random() & 0xFFFF) : types[random() % 8];
    if (type == 0x7F00 || type == 0x00A0 || type == 0x4000 || type == 0x5000 || type == 0x000A ||
        type == 0xF000)
      continue;
    PostMessageA(monitor, MSG_DEVICE_EVENT, type, random() & 0xFFFF);
    if (i % 1000 == 0) SendMessageTimeoutA(monitor, WM_NULL, 0, 0, SMTO_NORMAL, 10000, nullptr);
  }
  DWORD_PTR result = 0;
  ASSERT_NE(SendMessageTimeoutA(monitor, WM_NULL, 0, 0, SMTO_NORMAL, 30000, &result), 0);
  auto set = Block();
  ASSERT_GE(set->CurrentProfile, 0);
  ASSERT_LT(set->CurrentProfile, kProfileCount);
  for (const Profile& p : set->Profiles) {
    EXPECT_TRUE(p.PollingRate >= 0 && p.PollingRate <= 3);
    EXPECT_TRUE(p.CpiStep >= 0 && p.CpiStep < kLevelCount);
    EXPECT_TRUE(p.Sensitivity_X >= 1 && p.Sensitivity_X <= 20);
    EXPECT_TRUE(p.Sensitivity_Y >= 1 && p.Sensitivity_Y <= 20);
  }
  // After the last arrival the mouse takes a full transfer again.
  ASSERT_EQ(h.Vmctl("unplug"), 0);
  const size_t before = h.ReportLog().size();
  ASSERT_EQ(h.Vmctl("plug"), 0);
  EXPECT_TRUE(CMonitorHarness::WaitFor([&] { return h.ReportLog().size() > before; }, 10000));
}

}  // namespace
