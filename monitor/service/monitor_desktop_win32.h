// The desktop of Monitor on Win32: partner windows by title, the foreground
// program, scrolling, the system mouse settings and the desktop actions with
// their MacroThread.
#pragma once

#include <windows.h>

#include <memory>

#include "monitor/service/host_actions.h"
#include "monitor/service/monitor_platform.h"

class CMonitorDesktopWin32 final : public CMonitorDesktop {
 public:
  // window: Monitor's main window (owner of the actions' repeat timers).
  explicit CMonitorDesktopWin32(HWND window) : window_(window) {}

  // The desktop actions while MacroThread runs, else nullptr.
  CHostActions* Actions() { return actions_.get(); }

  WindowHandle FindWindowByTitle(const char* title) override;
  bool Post(WindowHandle window, unsigned message, uintptr_t wParam, intptr_t lParam) override;
  void PostClose(WindowHandle window) override;
  void ActivateWindow(WindowHandle window) override;
  std::string ForegroundProgramName() override;
  void ScrollHorizontally(int direction, int repetitions) override;
  void ApplySystemSettings(Profile& profile) override;
  void WriteSystemSettings(const Profile& profile) override;
  void StartMacroThread(const ProfileSet& settings) override;
  void StopMacroThread() override { actions_.reset(); }

 private:
  HWND window_;
  std::unique_ptr<CHostActions> actions_;
};
