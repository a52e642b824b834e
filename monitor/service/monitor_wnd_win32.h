// CMonitorWnd: Monitor's hidden main window. It owns the window logic
// (CMonitorCore) and the Win32 parts of its platform, and turns messages into
// calls.
#pragma once

#include <windows.h>

#include <filesystem>
#include <memory>

#include "monitor/service/foreground_hook_win32.h"
#include "monitor/service/monitor_core.h"
#include "monitor/service/monitor_desktop_win32.h"
#include "monitor/service/monitor_device_win32.h"
#include "monitor/service/monitor_files_win32.h"
#include "monitor/service/monitor_shell_win32.h"
#include "wingui/window_win32.h"

class CMonitorWnd final : public CWindow {
 public:
  // Creates the hidden pop-up window; null when creation fails (another
  // Monitor owns the shared block).
  static std::unique_ptr<CMonitorWnd> Create(bool openOptionRequest);
  ~CMonitorWnd() override { Destroy(); }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  explicit CMonitorWnd(bool openOptionRequest) : openOptionRequest_(openOptionRequest) {}

  LRESULT OnCreate();
  void OnDestroy();
  void OnTimer(UINT_PTR id);
  LRESULT OnCopyData(const COPYDATASTRUCT* data);
  void OnCommand(unsigned id);
  void OnSystrayNotify(LPARAM mouseMessage);
  void OnTransferDone(unsigned kind, TransferResult result);

  // The platform's parts and the logic that uses them, from WM_CREATE to
  // WM_DESTROY.
  struct Parts {
    Parts(HWND window, const std::filesystem::path& folder)
        : device(window, folder), desktop(window), shell(window, folder), files(folder) {}
    CMonitorDeviceWin32 device;
    CMonitorDesktopWin32 desktop;
    CMonitorShellWin32 shell;
    CMonitorFilesWin32 files;
  };

  bool openOptionRequest_;
  std::unique_ptr<Parts> parts_;
  std::unique_ptr<CMonitorCore> core_;
  std::unique_ptr<CForegroundHook> foregroundHook_;
};
