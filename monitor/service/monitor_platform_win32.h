// MonitorPlatform on Win32: the partner windows, timers and tray of Monitor's
// window, the shared block, config.ini, the device library, TransferThread
// and the desktop actions.
#pragma once

#include <windows.h>

#include <filesystem>
#include <memory>
#include <string>

#include "monitor/device/hid_library_win32.h"
#include "monitor/device/transfer_thread_win32.h"
#include "monitor/service/host_actions.h"
#include "monitor/service/monitor_core.h"
#include "monitor/service/monitor_platform.h"
#include "monitor/service/tray_icon_win32.h"

// The language library: captions by string id; empty texts when missing.
class CLanguageLibrary {
 public:
  explicit CLanguageLibrary(const std::filesystem::path& folder);
  ~CLanguageLibrary();
  CLanguageLibrary(const CLanguageLibrary&) = delete;
  CLanguageLibrary& operator=(const CLanguageLibrary&) = delete;
  std::string Text(unsigned id) const;

 private:
  HMODULE module_ = nullptr;
};

class CMonitorPlatformWin32 final : public MonitorPlatform {
 public:
  // window: Monitor's main window.
  explicit CMonitorPlatformWin32(HWND window);
  ~CMonitorPlatformWin32() override;
  CMonitorPlatformWin32(const CMonitorPlatformWin32&) = delete;
  CMonitorPlatformWin32& operator=(const CMonitorPlatformWin32&) = delete;

  // The window logic whose settings the transfers send and whose device
  // state TransferThread checks; bound before its Start.
  void BindCore(const CMonitorCore& core) { core_ = &core; }
  HostActions* Actions() { return actions_.get(); }
  const CLanguageLibrary& Language() const { return language_; }

  WindowHandle FindWindowByTitle(const char* title) override;
  bool Post(WindowHandle window, unsigned message, uintptr_t wParam, intptr_t lParam) override;
  void PostClose(WindowHandle window) override;
  void ActivateWindow(WindowHandle window) override;
  void PostOwnCommand(unsigned id) override;
  void StartTimer(unsigned id, unsigned milliseconds) override;
  void StopTimer(unsigned id) override;
  bool AddTrayIcon() override;
  void RemoveTrayIcon() override;
  bool CreateSharedMutex() override;
  bool CreateSharedBlock() override;
  void CloseSharedBlock() override;
  bool ReadSharedBlock(ProfileSet& dest) override;
  void WriteSharedBlock(const ProfileSet& src) override;
  void LoadSettings(ProfileSet& set) override;
  bool ReadOverlaySetting(OverlaySetting& record) override;
  void WriteCurrentProfile(int index) override;
  void WriteDeviceState(int present) override;
  void WriteNoticeText(const std::string& text) override;
  void WriteMacroNotice(int number, const std::string& macroName) override;
  void ApplySystemSettings(Profile& profile) override;
  void WriteSystemSettings(const Profile& profile) override;
  void StartWorkers() override;
  bool PostTransfer(unsigned kind) override;
  void RequestTransferAbort() override;
  void StopTransferThread() override;
  void StopMacroThread() override;
  bool ConnectDevice() override;
  bool OpenDevice() override;
  void CloseDevice() override;
  void DisconnectDevice() override;
  void Sleep(unsigned milliseconds) override;
  std::filesystem::path InstallFolder() override { return folder_; }
  void OpenFile(const std::filesystem::path& path) override;
  std::string ForegroundProgramName() override;
  void ScrollHorizontally(int direction, int repetitions) override;
  void Trace(const std::string& text) override;

 private:
  HWND window_;
  const CMonitorCore* core_ = nullptr;
  std::filesystem::path folder_;
  std::filesystem::path configPath_;
  CLanguageLibrary language_;
  std::unique_ptr<HidLibrary> device_;
  std::unique_ptr<TransferThread> transfer_;
  std::unique_ptr<HostActions> actions_;
  CTrayIcon tray_;
  bool blockOpen_ = false;
};
