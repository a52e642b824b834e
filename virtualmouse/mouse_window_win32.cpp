#include "virtualmouse/mouse_window_win32.h"

#include "hiddriver/virtual_link.h"
#include "settings/system_names.h"
#include "virtualmouse/button_model.h"
#include "virtualmouse/host_link_win32.h"
#include "virtualmouse/mouse_painter_win32.h"
#include "virtualmouse/state_dump.h"
#include "wingui/gdi_win32.h"

namespace vmouse {
namespace {

const WindowClass kClass{"OspreyVirtualMouse"};
constexpr std::size_t kShownReports = 12;
constexpr std::size_t kMaxControlText = 1024;

}  // namespace

CVirtualMouseWnd::CVirtualMouseWnd(bool plugged, const std::filesystem::path& logPath)
    : plugged_(plugged), log_(_wfopen(logPath.c_str(), L"w")) {}

bool CVirtualMouseWnd::Create() {
  // A mouse plugged in while Monitor runs arrives; otherwise Monitor finds it
  // when it starts. Announced before the window can be found, so that a
  // library that finds the window first doesn't also get an arrival.
  if (plugged_) PostDeviceChange(true);
  return CreateWindowOf(kClass, 0, WS_OVERLAPPEDWINDOW | WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT,
                        760, 620, nullptr, 0, names::kVirtualMouseTitle);
}

LRESULT CVirtualMouseWnd::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COPYDATA: return OnCopyData(reinterpret_cast<const COPYDATASTRUCT*>(lp));
    case WM_PAINT: OnPaint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_DESTROY: OnDestroy(); return 0;
    default: return Default(msg, wp, lp);
  }
}

LRESULT CVirtualMouseWnd::OnCopyData(const COPYDATASTRUCT* data) {
  if (data == nullptr) return 0;
  switch (data->dwData) {
    case vlink::kCopyQuery:
      return plugged_ ? 1 : 0;
    case vlink::kCopyFeature:
      return OnReport(ReportKind::Feature, data);
    case vlink::kCopyPacket:
      return OnReport(ReportKind::Packet, data);
    case vlink::kCopyControl: {
      if (data->lpData == nullptr || data->cbData > kMaxControlText) return 0;
      const auto command = ParseControlCommand(
          std::string_view(static_cast<const char*>(data->lpData), data->cbData));
      return command ? Execute(*command) : 0;
    }
  }
  return 0;
}

// A report reaches the mouse only while it is plugged in; then it is logged
// and checked, and the answer says it arrived even when the check failed.
LRESULT CVirtualMouseWnd::OnReport(ReportKind kind, const COPYDATASTRUCT* data) {
  if (!plugged_) return 0;
  const auto* bytes = static_cast<const std::uint8_t*>(data->lpData);
  const std::size_t length = bytes ? data->cbData : 0;
  lastReport_ = GetTickCount64();
  ++reports_;
  const std::string line = ReportLogLine(lastReport_ - start_, kind, bytes, length);
  if (log_) {
    std::fputs(line.c_str(), log_.get());
    std::fflush(log_.get());
  }
  lastReports_.push_back(line.substr(0, line.size() - 1));
  if (lastReports_.size() > kShownReports) lastReports_.pop_front();
  if (kind == ReportKind::Feature) receiver_.OnFeature(bytes, length);
  else receiver_.OnPacket(bytes, length);
  Redraw();
  return 1;
}

LRESULT CVirtualMouseWnd::Execute(const ControlCommand& command) {
  using Kind = ControlCommand::Kind;
  switch (command.kind) {
    case Kind::Plug:
      SetPlugged(true);
      return 1;
    case Kind::Unplug:
      SetPlugged(false);
      return 1;
    case Kind::Event:
      return plugged_ && PostDeviceEvent(command.first, command.second) ? 1 : 0;
    case Kind::Press:
    case Kind::Click:
      if (!plugged_) return 0;
      for (const DeviceEvent& e : PressButton(state_, command.first))
        PostDeviceEvent(e.type, e.value);
      Redraw();
      return 1;
    case Kind::Release:
      return plugged_ ? 1 : 0;
    case Kind::Dump:
      return WriteDump(std::u8string(command.path.begin(), command.path.end())) ? 1 : 0;
    case Kind::Idle: {
      const ULONGLONG idle = GetTickCount64() - lastReport_;
      return static_cast<LRESULT>(idle < 0x7FFFFFFF ? idle : 0x7FFFFFFF);
    }
    case Kind::Quit: PostMessageA(Hwnd(), WM_CLOSE, 0, 0); return 1;
  }
  return 0;
}

void CVirtualMouseWnd::SetPlugged(bool plugged) {
  if (plugged == plugged_) return;
  plugged_ = plugged;
  if (!plugged) receiver_.DropPendingBlock();
  PostDeviceChange(plugged);
  Redraw();
}

bool CVirtualMouseWnd::WriteDump(const std::filesystem::path& path) const {
  std::unique_ptr<std::FILE, FileCloser> file(_wfopen(path.c_str(), L"wb"));
  if (!file) return false;
  const std::string dump = DumpState(state_, plugged_, receiver_.problems());
  return std::fwrite(dump.data(), 1, dump.size(), file.get()) == dump.size();
}

void CVirtualMouseWnd::OnPaint() {
  CPaintDC paint(Hwnd());
  RECT area;
  GetClientRect(Hwnd(), &area);
  PaintInfo info;
  info.state = &state_;
  info.plugged = plugged_;
  info.reports = reports_;
  info.problems = receiver_.problems();
  info.lastProblem = receiver_.lastProblem();
  info.lastReports = &lastReports_;
  PaintOffscreen(paint.Get(), area, [&](HDC memory) { PaintMouseState(memory, area, info); });
}

void CVirtualMouseWnd::OnDestroy() {
  if (plugged_) PostDeviceChange(false);
  PostQuitMessage(0);
}

}  // namespace vmouse
