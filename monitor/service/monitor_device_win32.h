// The device link of Monitor on Win32: the device library bound from the
// installation folder and CTransferThread, which writes into it.
#pragma once

#include <windows.h>

#include <atomic>
#include <filesystem>
#include <memory>

#include "monitor/device/hid_library_win32.h"
#include "monitor/device/transfer_thread_win32.h"
#include "monitor/service/monitor_platform.h"

class CMonitorDeviceWin32 final : public CMonitorDevice {
 public:
  // window: Monitor's main window, which gets the device events and the end
  // of every transfer.
  CMonitorDeviceWin32(HWND window, const std::filesystem::path& folder);
  ~CMonitorDeviceWin32() override;
  CMonitorDeviceWin32(const CMonitorDeviceWin32&) = delete;
  CMonitorDeviceWin32& operator=(const CMonitorDeviceWin32&) = delete;

  bool ConnectDevice() override;
  bool OpenDevice() override;
  void CloseDevice() override;
  void DisconnectDevice() override;
  bool PostTransfer(unsigned kind, const ProfileSet& set) override;
  void RequestTransferAbort() override;
  void StopTransferThread() override;
  void Sleep(unsigned milliseconds) override;

 private:
  bool OpenMouse();
  void CloseMouse();

  HWND window_;
  std::unique_ptr<CHidLibrary> library_;
  std::unique_ptr<CTransferThread> transfer_;
  // Whether the mouse is there, as the window thread last learnt: transfers
  // that come to run while it is not are dropped.
  std::atomic<bool> attached_{false};
};
