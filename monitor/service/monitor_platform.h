// Everything Monitor's window logic needs from the system, in four parts: the
// link to the mouse, the desktop, the shell and tray, and the files. The
// Win32 window provides each; tests use small fakes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "settings/profile_set.h"

// A window of another program (or Monitor's own); 0 = none.
using WindowHandle = uintptr_t;

// The device library and CTransferThread.
class CMonitorDevice {
 public:
  virtual ~CMonitorDevice() = default;
  // Binds the device library, starts CTransferThread and opens the mouse;
  // true when it is attached.
  virtual bool ConnectDevice() = 0;
  // The reopen after an arrival, the close on removal and the final close.
  virtual bool OpenDevice() = 0;
  virtual void CloseDevice() = 0;
  virtual void DisconnectDevice() = 0;
  // Queues a transfer of this kind of a copy of set; false when the thread
  // can't take the job.
  virtual bool PostTransfer(unsigned kind, const ProfileSet& set) = 0;
  virtual void RequestTransferAbort() = 0;
  virtual void StopTransferThread() = 0;
  // The pauses the mouse needs.
  virtual void Sleep(unsigned milliseconds) = 0;
};

// Other programs' windows, the system mouse settings and MacroThread.
class CMonitorDesktop {
 public:
  virtual ~CMonitorDesktop() = default;
  // Partner windows, found by exact title.
  virtual WindowHandle FindWindowByTitle(const char* title) = 0;
  virtual bool Post(WindowHandle window, unsigned message, uintptr_t wParam, intptr_t lParam) = 0;
  virtual void PostClose(WindowHandle window) = 0;
  virtual void ActivateWindow(WindowHandle window) = 0;
  // Lower-case file name of the foreground window's program; empty if none.
  virtual std::string ForegroundProgramName() = 0;
  // Horizontal scroll of the window under the cursor, repeated times.
  virtual void ScrollHorizontally(int direction, int repetitions) = 0;
  virtual void ApplySystemSettings(Profile& profile) = 0;
  virtual void WriteSystemSettings(const Profile& profile) = 0;
  // Starts MacroThread and the desktop actions, which read the current
  // profile's buttons from settings (the caller's copy, kept until
  // StopMacroThread).
  virtual void StartMacroThread(const ProfileSet& settings) = 0;
  virtual void StopMacroThread() = 0;
};

// Monitor's own window (commands, timers, tray icon), program start and the
// debug trace.
class CMonitorShell {
 public:
  virtual ~CMonitorShell() = default;
  // WM_COMMAND id to Monitor's own window.
  virtual void PostOwnCommand(unsigned id) = 0;
  virtual void StartTimer(unsigned id, unsigned milliseconds) = 0;
  virtual void StopTimer(unsigned id) = 0;
  // True when the shell shows the icon (it may not run yet at logon).
  virtual bool AddTrayIcon() = 0;
  virtual void RemoveTrayIcon() = 0;
  // Installation folder with a trailing separator.
  virtual std::filesystem::path InstallFolder() = 0;
  virtual void OpenFile(const std::filesystem::path& path) = 0;
  virtual void Trace(const std::string& text) = 0;
};

// The shared block, the profile files and config.ini.
class CMonitorFiles {
 public:
  virtual ~CMonitorFiles() = default;
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
};

// The four parts together, as the window logic takes them.
struct MonitorPlatform {
  CMonitorDevice& device;
  CMonitorDesktop& desktop;
  CMonitorShell& shell;
  CMonitorFiles& files;
};
