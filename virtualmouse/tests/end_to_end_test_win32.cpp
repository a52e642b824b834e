// Monitor's side (the library bound by name, a real Transfer) against the
// virtual mouse program: what the mouse ends up holding must be what the
// profiles say, and an unplug must end a transfer at once.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "expected_mouse.h"
#include "hiddriver/virtual_link.h"
#include "monitor/device/hid_library_win32.h"
#include "monitor/device/transfer.h"
#include "settings/profile_set.h"
#include "settings/system_names.h"
#include "virtualmouse/state_dump.h"
#include "wingui/process_win32.h"

namespace {

constexpr unsigned kReportMessage = MSG_DEVICE_EVENT;
constexpr unsigned kChangeMessage = MSG_DEVICE_CHANGE;

std::string BinFolder() {
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string s(path);
  return s.substr(0, s.find_last_of('\\') + 1);
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

int RunProgram(const std::string& commandLine) {
  return ExitCodeWithin(StartProcess(commandLine).Get(), 30000);
}

// Plays Monitor's window: takes the library's messages and, like Monitor,
// requests an abort of the running transfer when the mouse is removed.
class CHostWindow {
 public:
  CHostWindow() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "VirtualMouseTestHost";
    RegisterClassA(&wc);
    window_ = CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              wc.hInstance, this);
  }
  ~CHostWindow() { DestroyWindow(window_); }
  HWND window() const { return window_; }

  // Pumps messages until done is set or the time is up.
  void PumpUntil(const std::atomic<bool>& done, int timeoutMs) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    while (!done && GetTickCount64() < end) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 2, QS_ALLINPUT);
      MSG msg;
      while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    }
  }

  CTransfer* transfer = nullptr;
  std::atomic<int> arrivals{0}, removals{0}, events{0};
  std::atomic<ULONGLONG> removedAt{0};
  WPARAM lastType = 0;
  LPARAM lastValue = 0;

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE)
      SetWindowLongPtrA(hwnd, GWLP_USERDATA,
                        reinterpret_cast<LONG_PTR>(
                            reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
    auto* self = reinterpret_cast<CHostWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (self && message == kChangeMessage) {
      if (wParam == 1) {
        ++self->arrivals;
      } else {
        self->removedAt = GetTickCount64();
        ++self->removals;
        if (self->transfer) self->transfer->RequestAbort();
      }
      return 0;
    }
    if (self && message == kReportMessage) {
      ++self->events;
      self->lastType = wParam;
      self->lastValue = lParam;
      return 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
  }
  HWND window_ = nullptr;
};

class EndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    bin_ = BinFolder();
    // A library of its own, with the setting that picks the virtual mouse,
    // so that nothing else in bin\ changes.
    folder_ = bin_ + "vm_end_to_end\\";
    CreateDirectoryA(folder_.c_str(), nullptr);
    ASSERT_TRUE(CopyFileA((bin_ + names::kDeviceLibrary).c_str(),
                          (folder_ + names::kDeviceLibrary).c_str(), FALSE));
    std::ofstream(folder_ + names::kDeviceLibrarySettings) << "[Backend]\r\nType=virtual\r\n";
    StopMouse();
    StartMouse();
  }
  void TearDown() override { StopMouse(); }

  void StartMouse() {
    mouseProcess_ =
        StartProcess("\"" + bin_ + "VirtualMouse.exe\" --log \"" + folder_ + "reports.log\"");
    ASSERT_TRUE(mouseProcess_);
    ASSERT_EQ(Vmctl("wait-window 20000"), 0);
  }
  void StopMouse() {
    if (FindWindowA(nullptr, names::kVirtualMouseTitle)) Vmctl("quit");
    if (mouseProcess_) {
      WaitForSingleObject(mouseProcess_.Get(), 10000);
      mouseProcess_.Reset();
    }
  }
  int Vmctl(const std::string& args) { return RunProgram("\"" + bin_ + "vmctl.exe\" " + args); }
  std::string Dump() {
    const std::string path = folder_ + "state.txt";
    DeleteFileA(path.c_str());
    EXPECT_EQ(Vmctl("dump \"" + path + "\""), 0);
    return ReadFile(path);
  }
  // Direct control message, for timing without a process start.
  void Control(const std::string& text) {
    HWND mouse = FindWindowA(nullptr, names::kVirtualMouseTitle);
    COPYDATASTRUCT data{vlink::kCopyControl, static_cast<DWORD>(text.size()),
                        const_cast<char*>(text.data())};
    SendMessageA(mouse, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
  }
  TransferResult RunPumped(CTransfer& transfer, unsigned kind, const ProfileSet& set,
                           const std::function<void()>& midway = {}) {
    std::atomic<bool> done{false};
    TransferResult result = TransferResult::UnknownKind;
    std::thread worker([&] {
      result = transfer.Run(kind, set);
      done = true;
    });
    if (midway) {
      host_.PumpUntil(done, 1500);
      midway();
    }
    host_.PumpUntil(done, 60000);
    worker.join();
    finishedAt_ = GetTickCount64();
    return result;
  }

  std::string bin_, folder_;
  CHandle mouseProcess_;
  CHostWindow host_;
  ULONGLONG finishedAt_ = 0;
};

TEST_F(EndToEnd, FullAndChangeTransfersLeaveTheProfilesInTheMouse) {
  CHidLibrary link(folder_);
  ASSERT_TRUE(link.IsBound());
  link.Set_VIDPID(names::kVendorId, names::kProductId);
  link.Open_DevMonitor(reinterpret_cast<WindowId>(host_.window()), kReportMessage, kChangeMessage);
  link.Open_FeatureDevice();
  ASSERT_TRUE(link.Open_ReportDevice());

  ProfileSet set = TestProfileSet();
  CClockWait wait;
  CTransfer transfer(link, wait);
  host_.transfer = &transfer;
  ASSERT_EQ(RunPumped(transfer, TRANSFER_FULL, set), TransferResult::Completed);
  vmouse::DeviceState expected = ExpectedAfterFullTransfer();
  EXPECT_EQ(Dump(), vmouse::DumpState(expected, true, 0));

  ChangeProfileSet(set);
  ASSERT_EQ(RunPumped(transfer, TRANSFER_CHANGES, set), TransferResult::Completed);
  ApplyExpectedChange(expected);
  EXPECT_EQ(Dump(), vmouse::DumpState(expected, true, 0));

  link.Close_DevMonitor();
  link.Close_FeatureDevice();
  link.Close_ReportDevice();
}

TEST_F(EndToEnd, ButtonsAndRawEventsReachTheHostWindow) {
  CHidLibrary link(folder_);
  ASSERT_TRUE(link.IsBound());
  link.Open_DevMonitor(reinterpret_cast<WindowId>(host_.window()), kReportMessage, kChangeMessage);
  link.Open_FeatureDevice();
  ASSERT_TRUE(link.Open_ReportDevice());
  CClockWait wait;
  CTransfer transfer(link, wait);
  ProfileSet set = TestProfileSet();
  set.CurrentProfile = 0;
  ASSERT_EQ(RunPumped(transfer, TRANSFER_FULL, set), TransferResult::Completed);

  std::atomic<bool> never{false};
  ASSERT_EQ(Vmctl("press 10"), 0);  // run-program button: type 0x0A, value 10
  host_.PumpUntil(never, 300);
  EXPECT_EQ(host_.events, 1);
  EXPECT_EQ(host_.lastType, 0x000Au);
  EXPECT_EQ(host_.lastValue, 10);
  ASSERT_EQ(Vmctl("press 14"), 0);  // profile-up button
  host_.PumpUntil(never, 300);
  EXPECT_EQ(host_.lastType, 0x0800u);
  EXPECT_EQ(host_.lastValue, 2);
  ASSERT_EQ(Vmctl("event 0xC000 0x0A00"), 0);
  host_.PumpUntil(never, 300);
  EXPECT_EQ(host_.lastType, 0xC000u);
  EXPECT_EQ(host_.lastValue, 0x0A00);
  EXPECT_EQ(host_.events, 3);
  link.Close_DevMonitor();
}

TEST_F(EndToEnd, UnplugEndsATransferAtOnceAndLaterReportsAreNotTaken) {
  CHidLibrary link(folder_);
  ASSERT_TRUE(link.IsBound());
  link.Open_DevMonitor(reinterpret_cast<WindowId>(host_.window()), kReportMessage, kChangeMessage);
  link.Open_FeatureDevice();
  ASSERT_TRUE(link.Open_ReportDevice());
  CClockWait wait;
  CTransfer transfer(link, wait);
  host_.transfer = &transfer;
  const ProfileSet set = TestProfileSet();

  const TransferResult result =
      RunPumped(transfer, TRANSFER_FULL, set, [&] { Control("unplug"); });
  EXPECT_EQ(result, TransferResult::Aborted);
  ASSERT_EQ(host_.removals, 1);
  EXPECT_LT(finishedAt_ - host_.removedAt, 100u);

  // Still open on this side, but the mouse is gone: nothing is taken.
  const std::uint8_t activate[8] = {0x02, 0x05, 0x00, 0, 0, 0, 0, 0xF8};
  EXPECT_FALSE(link.Open_ReportDevice());
  link.SetFeature(activate, sizeof activate);
  const std::string dump = Dump();
  EXPECT_EQ(dump.rfind("plugged 0\nproblems 0\nactive-profile 1\n", 0), 0u) << dump;

  std::atomic<bool> never{false};
  const int arrivals = host_.arrivals;
  Control("plug");
  host_.PumpUntil(never, 300);
  EXPECT_EQ(host_.arrivals, arrivals + 1);
  link.Close_FeatureDevice();
  link.Close_ReportDevice();
  link.Close_DevMonitor();
}

}  // namespace
