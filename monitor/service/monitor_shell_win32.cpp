#include "monitor/service/monitor_shell_win32.h"

#include <shellapi.h>

namespace {
// Captions of the language library.
constexpr int kOpenOptionCaption = 1002;
constexpr int kExitCaption = 1003;
constexpr int kTrayTipCaption = 1004;
}  // namespace

CMonitorShellWin32::CMonitorShellWin32(HWND window, std::filesystem::path folder)
    : window_(window), folder_(std::move(folder)), captions_(folder_) {}

void CMonitorShellWin32::ShowTrayMenu() {
  CTrayIcon::ShowMenu(window_, captions_.Get(kOpenOptionCaption), captions_.Get(kExitCaption));
}

void CMonitorShellWin32::PostOwnCommand(unsigned id) { PostMessageA(window_, WM_COMMAND, id, 0); }

void CMonitorShellWin32::StartTimer(unsigned id, unsigned ms) {
  SetTimer(window_, id, ms, nullptr);
}

void CMonitorShellWin32::StopTimer(unsigned id) { KillTimer(window_, id); }

bool CMonitorShellWin32::AddTrayIcon() {
  tray_.Add(window_, captions_.Get(kTrayTipCaption));
  return tray_.Shown();
}

void CMonitorShellWin32::RemoveTrayIcon() { tray_.Remove(); }

void CMonitorShellWin32::OpenFile(const std::filesystem::path& path) {
  ShellExecuteW(nullptr, L"open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void CMonitorShellWin32::Trace(const std::string& text) { OutputDebugStringA(text.c_str()); }
