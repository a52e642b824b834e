#include "monitor/service/monitor_wnd_win32.h"

#include <commctrl.h>
#include <objbase.h>

#include "settings/profile_files.h"
#include "settings/system_names.h"

namespace {
const WindowClass kWindowClass{"OspreyArenaMonitorWnd"};

// Broadcast by the shell when its taskbar is created: at logon after the
// programs that started before it, and after the shell restarted.
UINT TaskbarCreatedMessage() {
  static const UINT message = RegisterWindowMessageA("TaskbarCreated");
  return message;
}
}  // namespace

std::unique_ptr<CMonitorWnd> CMonitorWnd::Create(bool openOptionRequest) {
  std::unique_ptr<CMonitorWnd> self(new CMonitorWnd(openOptionRequest));
  if (!self->CreateWindowOf(kWindowClass, 0, WS_POPUP, 100, 100, 100, 100, nullptr, 0,
                            names::kMonitorTitle))
    return nullptr;
  return self;
}

LRESULT CMonitorWnd::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CREATE) return OnCreate();
  if (!core_) return Default(message, wParam, lParam);
  switch (message) {
    case WM_DESTROY: OnDestroy(); return 0;
    case WM_TIMER: OnTimer(wParam); return 0;
    case WM_COPYDATA: return OnCopyData(reinterpret_cast<const COPYDATASTRUCT*>(lParam));
    case WM_COMMAND: OnCommand(LOWORD(wParam)); return 0;
    case MSG_TRAY_NOTIFY: OnSystrayNotify(lParam); return 0;
    case MSG_TRANSFER_DONE:
      OnTransferDone(static_cast<unsigned>(wParam), static_cast<TransferResult>(lParam));
      return 0;
    case MSG_FOREGROUND_CHANGED: core_->OnForegroundChanged(static_cast<uint32_t>(lParam)); return 0;
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
      return Default(message, wParam, lParam);
  }
}

LRESULT CMonitorWnd::OnCreate() {
  CoInitialize(nullptr);
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  SetWindowLongPtrA(Hwnd(), GWL_EXSTYLE, GetWindowLongPtrA(Hwnd(), GWL_EXSTYLE) | WS_EX_TOOLWINDOW);
  parts_ = std::make_unique<Parts>(Hwnd(), InstallFolder());
  core_ = std::make_unique<CMonitorCore>(
      MonitorPlatform{parts_->device, parts_->desktop, parts_->shell, parts_->files});
  if (!core_->Start(openOptionRequest_)) {
    core_.reset();
    parts_.reset();
    CoUninitialize();
    return -1;
  }
  core_->SetHostActions(parts_->desktop.Actions());
  foregroundHook_ = std::make_unique<CForegroundHook>(Hwnd());
  if (!foregroundHook_->Active()) parts_->shell.Trace("CMonitorWnd foreground hook failed\n");
  return 0;
}

void CMonitorWnd::OnDestroy() {
  foregroundHook_.reset();
  core_->SetHostActions(nullptr);
  core_->Shutdown();
  CoUninitialize();
  core_.reset();
  parts_.reset();
  PostQuitMessage(0);
}

void CMonitorWnd::OnTimer(UINT_PTR id) { core_->OnTimer(static_cast<unsigned>(id)); }

LRESULT CMonitorWnd::OnCopyData(const COPYDATASTRUCT* data) {
  if (data) core_->OnAppletText(data->lpData, data->cbData);
  return 1;
}

void CMonitorWnd::OnCommand(unsigned id) {
  if (id == CMD_OPEN_OPTION) core_->OnCustomizer();
  else if (id == CMD_EXIT_MONITOR)
    PostMessageA(Hwnd(), WM_CLOSE, 0, 0);
}

void CMonitorWnd::OnSystrayNotify(LPARAM mouseMessage) {
  switch (mouseMessage) {
    case WM_LBUTTONDOWN: BringForward(GetLastActivePopup(Hwnd())); break;
    case WM_LBUTTONDBLCLK:
      parts_->shell.Trace("OnSystrayNotify WM_LBUTTONDBLCLK\n");
      core_->OnCustomizer();
      break;
    case WM_RBUTTONDOWN: parts_->shell.ShowTrayMenu(); break;
    default: break;
  }
}

void CMonitorWnd::OnTransferDone(unsigned kind, TransferResult result) {
  core_->OnTransferFinished(kind, result);
}
