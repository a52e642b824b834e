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
#include "wingui/window_win32.h"

namespace vmouse {

class CVirtualMouseWnd final : public CWindow {
 public:
  CVirtualMouseWnd(bool plugged, const std::filesystem::path& logPath);
  ~CVirtualMouseWnd() override { Destroy(); }

  bool Create();

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  LRESULT OnCopyData(const COPYDATASTRUCT* data);
  void OnPaint();
  void OnDestroy();

  LRESULT OnReport(ReportKind kind, const COPYDATASTRUCT* data);
  LRESULT Execute(const ControlCommand& command);
  void SetPlugged(bool plugged);
  bool WriteDump(const std::filesystem::path& path) const;
  void Redraw() { InvalidateRect(Hwnd(), nullptr, FALSE); }

  struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };

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
