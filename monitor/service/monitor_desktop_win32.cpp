#include "monitor/service/monitor_desktop_win32.h"

#include <algorithm>
#include <cctype>

#include "monitor/service/desktop_actions_win32.h"
#include "monitor/service/scroll_redirect.h"
#include "monitor/service/window_tree_win32.h"
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
  // One process per tick: the foreground window's, not a walk of them all.
  HWND foreground = GetForegroundWindow();
  if (!foreground) return {};
  DWORD pid = 0;
  GetWindowThreadProcessId(foreground, &pid);
  const CHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid));
  if (!process) return {};
  char path[MAX_PATH] = {};
  DWORD size = MAX_PATH;
  if (!QueryFullProcessImageNameA(process.Get(), 0, path, &size)) return {};
  std::string name(path, size);
  const size_t slash = name.find_last_of("\\/");
  if (slash != std::string::npos) name.erase(0, slash + 1);
  std::transform(name.begin(), name.end(), name.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
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
