// The shell side of Monitor on Win32: its own window's commands and timers,
// the tray icon and its menu with their captions, program start and the
// debug trace.
#pragma once

#include <windows.h>

#include <filesystem>
#include <string>

#include "monitor/service/monitor_platform.h"
#include "monitor/service/tray_icon_win32.h"
#include "settings/captions_win32.h"

class CMonitorShellWin32 final : public CMonitorShell {
 public:
  // window: Monitor's main window; folder: the installation folder.
  CMonitorShellWin32(HWND window, std::filesystem::path folder);

  // The tray menu at the cursor.
  void ShowTrayMenu();

  void PostOwnCommand(unsigned id) override;
  void StartTimer(unsigned id, unsigned milliseconds) override;
  void StopTimer(unsigned id) override;
  bool AddTrayIcon() override;
  void RemoveTrayIcon() override;
  std::filesystem::path InstallFolder() override { return folder_; }
  void OpenFile(const std::filesystem::path& path) override;
  void Trace(const std::string& text) override;

 private:
  HWND window_;
  std::filesystem::path folder_;
  CCaptions captions_;
  CTrayIcon tray_;
};
