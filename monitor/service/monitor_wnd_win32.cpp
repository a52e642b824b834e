#include "monitor/service/monitor_wnd_win32.h"

#include <commctrl.h>
#include <objbase.h>

#include "settings/system_names.h"

namespace {
constexpr char kWindowClass[] = "OspreyArenaMonitorWnd";

// Broadcast by the shell when its taskbar is created: at logon after the
// programs that started before it, and after the shell restarted.
UINT TaskbarCreatedMessage() {
  static const UINT message = RegisterWindowMessageA("TaskbarCreated");
  return message;
}
}  // namespace

std::unique_ptr<CMonitorWnd> CMonitorWnd::Create(HINSTANCE instance, bool openOptionRequest) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = &CMonitorWnd::WndProc;
  wc.hInstance = instance;
  wc.lpszClassName = kWindowClass;
  RegisterClassA(&wc);
  std::unique_ptr<CMonitorWnd> self(new CMonitorWnd(openOptionRequest));
  if (!CreateWindowExA(0, kWindowClass, names::kMonitorTitle, WS_POPUP, 100, 100, 100, 100, nullptr,
                       nullptr, instance, self.get()))
    return nullptr;
  return self;
}

CMonitorWnd::~CMonitorWnd() {
  if (window_) DestroyWindow(window_);
}

LRESULT CALLBACK CMonitorWnd::WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* created = reinterpret_cast<CREATESTRUCTA*>(lParam);
    auto* self = static_cast<CMonitorWnd*>(created->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<CMonitorWnd*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    if (self) self->window_ = nullptr;
    return DefWindowProcA(window, message, wParam, lParam);
  }
  if (!self) return DefWindowProcA(window, message, wParam, lParam);
  return self->Handle(message, wParam, lParam);
}

LRESULT CMonitorWnd::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CREATE) return OnCreate();
  if (!core_) return DefWindowProcA(window_, message, wParam, lParam);
  switch (message) {
    case WM_DESTROY: OnDestroy(); return 0;
    case WM_TIMER: OnTimer(wParam); return 0;
    case WM_COPYDATA: return OnCopyData(reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    case WM_COMMAND: OnCommand(LOWORD(wParam)); return 0;
    case MSG_TRAY_NOTIFY: OnSystrayNotify(lParam); return 0;
    case MSG_TRANSFER_DONE:
      OnTransferDone(static_cast<unsigned>(wParam), static_cast<TransferResult>(lParam));
      return 0;
    case MSG_APPLY: core_->OnApplyRequest(); return 0;
    case MSG_COPY_BLOCK: core_->OnCopyBlock(); return 0;
    case MSG_COPY_BLOCK_APPLY: core_->OnCopyBlockAndApply(); return 0;
    case MSG_MONITOR_IGNORED: return 0;
    case MSG_DEVICE_EVENT: core_->OnDeviceMessage(EventWordFromReport(wParam, lParam)); return 0;
    case MSG_DEVICE_CHANGE: core_->OnDeviceMessage(EventWordFromChange(wParam)); return 0;
    default:
      if (message == TaskbarCreatedMessage()) {
        core_->OnTaskbarCreated();
        return 0;
      }
      return DefWindowProcA(window_, message, wParam, lParam);
  }
}

LRESULT CMonitorWnd::OnCreate() {
  CoInitialize(nullptr);
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  platform_ = std::make_unique<CMonitorPlatformWin32>(window_);
  auto core = std::make_unique<CMonitorCore>(*platform_);
  platform_->BindCore(*core);
  SetWindowLongPtrA(window_, GWL_EXSTYLE, GetWindowLongPtrA(window_, GWL_EXSTYLE) | WS_EX_TOOLWINDOW);
  if (!core->Start(openOptionRequest_)) {
    platform_.reset();
    CoUninitialize();
    return -1;
  }
  core->SetHostActions(platform_->Actions());
  core_ = std::move(core);
  return 0;
}

void CMonitorWnd::OnDestroy() {
  core_->SetHostActions(nullptr);
  core_->Shutdown();
  CoUninitialize();
  core_.reset();
  platform_.reset();
  PostQuitMessage(0);
}

void CMonitorWnd::OnTimer(UINT_PTR id) { core_->OnTimer(static_cast<unsigned>(id)); }

LRESULT CMonitorWnd::OnCopyData(const COPYDATASTRUCT* data) {
  if (data) core_->OnAppletText(data->lpData, data->cbData);
  return 1;
}

void CMonitorWnd::OnCommand(unsigned id) {
  if (id == CMD_OPEN_OPTION) core_->OnCustomizer();
  else if (id == CMD_EXIT_MONITOR) PostMessageA(window_, WM_CLOSE, 0, 0);
}

void CMonitorWnd::OnSystrayNotify(LPARAM mouseMessage) {
  switch (mouseMessage) {
    case WM_LBUTTONDOWN: {
      HWND popup = GetLastActivePopup(window_);
      if (IsIconic(popup)) ShowWindow(popup, SW_RESTORE);
      SetForegroundWindow(popup);
      SetActiveWindow(popup);
      break;
    }
    case WM_LBUTTONDBLCLK:
      platform_->Trace("OnSystrayNotify WM_LBUTTONDBLCLK\n");
      core_->OnCustomizer();
      break;
    case WM_RBUTTONDOWN:
      CTrayIcon::ShowMenu(window_, platform_->Language().Text(1002), platform_->Language().Text(1003));
      break;
    default:
      break;
  }
}

void CMonitorWnd::OnTransferDone(unsigned kind, TransferResult result) {
  core_->OnTransferFinished(kind, result);
}
