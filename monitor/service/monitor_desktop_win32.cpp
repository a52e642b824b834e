#include "monitor/service/monitor_desktop_win32.h"

#include <string>

#include "monitor/service/desktop_actions_win32.h"
#include "monitor/service/scroll_redirect.h"
#include "monitor/service/window_tree_win32.h"
#include "settings/system_path_win32.h"
#include "settings/system_settings_apply_win32.h"
#include "settings/system_settings_store.h"
#include "wingui/handles_win32.h"
#include "wingui/window_win32.h"

namespace {
HWND H(WindowHandle w) { return reinterpret_cast<HWND>(w); }
}  // namespace

WindowHandle CMonitorDesktopWin32::FindWindowByTitle(const char* title) {
  return reinterpret_cast<WindowHandle>(FindWindowA(nullptr, title));
}

bool CMonitorDesktopWin32::Post(WindowHandle w, unsigned m, uintptr_t wp, intptr_t lp) {
  return PostMessageA(H(w), m, wp, lp) != FALSE;
}

void CMonitorDesktopWin32::PostClose(WindowHandle w) { PostMessageA(H(w), WM_CLOSE, 0, 0); }

void CMonitorDesktopWin32::ActivateWindow(WindowHandle w) { BringForward(H(w)); }

std::string CMonitorDesktopWin32::ForegroundProgramName() {
  // The foreground window's own process, not a walk of them all.
  HWND foreground = GetForegroundWindow();
  if (!foreground) return {};
  DWORD pid = 0;
  GetWindowThreadProcessId(foreground, &pid);
  const CHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid));
  if (!process) return {};
  std::wstring path(32768, L'\0');  // the longest path the system allows
  DWORD size = static_cast<DWORD>(path.size());
  if (!QueryFullProcessImageNameW(process.Get(), 0, path.data(), &size)) return {};
  path.resize(size);
  // Spelled as a chosen program is in GameFile: the ANSI path, or its short form.
  std::string name = AnsiFromPath(path);
  const size_t slash = name.find_last_of("\\/");
  if (slash != std::string::npos) name.erase(0, slash + 1);
  if (!name.empty()) CharLowerBuffA(name.data(), static_cast<DWORD>(name.size()));
  return name;
}

void CMonitorDesktopWin32::ScrollHorizontally(int direction, int repetitions) {
  CWindowTreeWin32 tree;
  CScrollInputWin32 input;
  ScrollStep(tree, input, direction, repetitions);
}

void CMonitorDesktopWin32::ApplySystemSettings(Profile& profile) {
  ::ApplySystemSettings(profile, window_);
}

void CMonitorDesktopWin32::WriteSystemSettings(const Profile& profile) {
  DefaultSystemSettingsStore().Write(profile);
}

void CMonitorDesktopWin32::StartMacroThread(const ProfileSet& settings) {
  actions_ = CreateDesktopActions(settings, window_);
}
