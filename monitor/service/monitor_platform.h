// Everything Monitor's window logic needs from the system: partner windows,
// its own timers and tray icon, the shared block, the transfer thread, the
// device link, config.ini, system mouse settings and the shell. The Win32
// window provides it; tests use a fake.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "settings/profile_set.h"

// A window of another program (or Monitor's own); 0 = none.
using WindowHandle = uintptr_t;

class MonitorPlatform {
 public:
  virtual ~MonitorPlatform() = default;

  // Partner windows, found by exact title.
  virtual WindowHandle FindWindowByTitle(const char* title) = 0;
  virtual bool Post(WindowHandle window, unsigned message, uintptr_t wParam, intptr_t lParam) = 0;
  virtual void PostClose(WindowHandle window) = 0;
  virtual void ActivateWindow(WindowHandle window) = 0;
  // WM_COMMAND id to Monitor's own window.
  virtual void PostOwnCommand(unsigned id) = 0;

  virtual void StartTimer(unsigned id, unsigned milliseconds) = 0;
  virtual void StopTimer(unsigned id) = 0;
  // True when the shell shows the icon (it may not run yet at logon).
  virtual bool AddTrayIcon() = 0;
  virtual void RemoveTrayIcon() = 0;

  // Start-up resources. CreateSharedMutex is false when another Monitor owns it.
  virtual bool CreateSharedMutex() = 0;
  virtual bool CreateSharedBlock() = 0;
  virtual void CloseSharedBlock() = 0;
  virtual bool ReadSharedBlock(ProfileSet& dest) = 0;
  virtual void WriteSharedBlock(const ProfileSet& src) = 0;

  // ClearProfileSet and LoadAll, or the defaults when that fails.
  virtual void LoadSettings(ProfileSet& set) = 0;
  // false (record untouched) when config.ini holds no valid record.
  virtual bool ReadOverlaySetting(OverlaySetting& record) = 0;
  virtual void WriteCurrentProfile(int index) = 0;
  virtual void WriteDeviceState(int present) = 0;
  virtual void WriteNoticeText(const std::string& text) = 0;
  virtual void WriteMacroNotice(int number, const std::string& macroName) = 0;

  virtual void ApplySystemSettings(Profile& profile) = 0;
  virtual void WriteSystemSettings(const Profile& profile) = 0;

  // The worker threads: MacroThread and TransferThread.
  virtual void StartWorkers() = 0;
  // false when the thread can't take the job.
  virtual bool PostTransfer(unsigned kind) = 0;
  virtual void RequestTransferAbort() = 0;
  virtual void StopTransferThread() = 0;
  virtual void StopMacroThread() = 0;

  // The device library: binding and the first open (true = mouse attached),
  // the reopen after an arrival, the close on removal and the final close.
  virtual bool ConnectDevice() = 0;
  virtual bool OpenDevice() = 0;
  virtual void CloseDevice() = 0;
  virtual void DisconnectDevice() = 0;
  virtual void Sleep(unsigned milliseconds) = 0;

  // Installation folder with a trailing separator.
  virtual std::filesystem::path InstallFolder() = 0;
  virtual void OpenFile(const std::filesystem::path& path) = 0;
  // Lower-case file name of the foreground window's program; empty if none.
  virtual std::string ForegroundProgramName() = 0;
  // Horizontal scroll of the window under the cursor, repeated times.
  virtual void ScrollHorizontally(int direction, int repetitions) = 0;
  virtual void Trace(const std::string& text) = 0;
};
