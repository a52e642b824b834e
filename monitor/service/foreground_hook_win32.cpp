#include "monitor/service/foreground_hook_win32.h"

#include "settings/system_names.h"

namespace {
// The callback has no context of its own; there is one Monitor window.
HWND g_window = nullptr;

void CALLBACK OnForegroundEvent(HWINEVENTHOOK, DWORD, HWND, LONG, LONG, DWORD, DWORD time) {
  if (g_window) PostMessageW(g_window, MSG_FOREGROUND_CHANGED, 0, static_cast<LPARAM>(time));
}
}  // namespace

CForegroundHook::CForegroundHook(HWND window) {
  g_window = window;
  hook_.Reset(SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr,
                              OnForegroundEvent, 0, 0, WINEVENT_OUTOFCONTEXT));
}

CForegroundHook::~CForegroundHook() {
  hook_.Reset();
  g_window = nullptr;
}
