// CMonitorWnd: Monitor's hidden main window. It owns the window logic
// (CMonitorCore) and its Win32 platform, and turns messages into calls.
#pragma once

#include <windows.h>

#include <memory>

#include "monitor/service/monitor_core.h"
#include "monitor/service/monitor_platform_win32.h"

class CMonitorWnd {
 public:
  // Creates the hidden pop-up window; null when creation fails (another
  // Monitor owns the shared block).
  static std::unique_ptr<CMonitorWnd> Create(HINSTANCE instance, bool openOptionRequest);
  ~CMonitorWnd();
  CMonitorWnd(const CMonitorWnd&) = delete;
  CMonitorWnd& operator=(const CMonitorWnd&) = delete;

  HWND Handle() const { return window_; }

 private:
  explicit CMonitorWnd(bool openOptionRequest) : openOptionRequest_(openOptionRequest) {}
  static LRESULT CALLBACK WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

  LRESULT OnCreate();
  void OnDestroy();
  void OnTimer(UINT_PTR id);
  LRESULT OnCopyData(const COPYDATASTRUCT* data);
  void OnCommand(unsigned id);
  void OnSystrayNotify(LPARAM mouseMessage);
  void OnTransferDone(unsigned kind, TransferResult result);

  HWND window_ = nullptr;
  bool openOptionRequest_;
  std::unique_ptr<CMonitorPlatformWin32> platform_;
  std::unique_ptr<CMonitorCore> core_;
};
