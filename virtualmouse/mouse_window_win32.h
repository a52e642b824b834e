// The virtual mouse's window: the device end of the library's virtual
// backend (reports arrive as WM_COPYDATA), the control channel of vmctl, the
// report log and the view of the decoded state.
#pragma once

#include <windows.h>

#include <cstdio>
#include <deque>
#include <filesystem>
#include <memory>
#include <string>

#include "virtualmouse/control_command.h"
#include "virtualmouse/device_state.h"
#include "virtualmouse/report_log.h"
#include "virtualmouse/report_receiver.h"

namespace vmouse {

class CVirtualMouseWnd {
 public:
  CVirtualMouseWnd(bool plugged, const std::filesystem::path& logPath);
  CVirtualMouseWnd(const CVirtualMouseWnd&) = delete;
  CVirtualMouseWnd& operator=(const CVirtualMouseWnd&) = delete;

  bool Create(HINSTANCE instance);
  HWND window() const { return window_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
  LRESULT OnCopyData(const COPYDATASTRUCT* data);
  void OnPaint();
  void OnDestroy();

  LRESULT OnReport(ReportKind kind, const COPYDATASTRUCT* data);
  LRESULT Execute(const ControlCommand& command);
  void SetPlugged(bool plugged);
  bool WriteDump(const std::filesystem::path& path) const;
  void Redraw() { InvalidateRect(window_, nullptr, FALSE); }

  struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };

  HWND window_ = nullptr;
  bool plugged_;
  DeviceState state_;
  CReportReceiver receiver_{state_};
  int reports_ = 0;
  ULONGLONG start_ = GetTickCount64();
  ULONGLONG lastReport_ = start_;
  std::unique_ptr<std::FILE, FileCloser> log_;
  std::deque<std::string> lastReports_;
};

}  // namespace vmouse
