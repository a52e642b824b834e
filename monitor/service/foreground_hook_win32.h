// Tells Monitor's window of every foreground change as it happens: a WinEvent
// hook run out of context on the thread that makes it, which posts
// MSG_FOREGROUND_CHANGED (lParam: the event's time in ms) to the window.
#pragma once

#include <windows.h>

#include "wingui/handles_win32.h"

class CForegroundHook {
 public:
  // window: Monitor's main window, on this thread. One hook per process.
  explicit CForegroundHook(HWND window);
  ~CForegroundHook();
  CForegroundHook(const CForegroundHook&) = delete;
  CForegroundHook& operator=(const CForegroundHook&) = delete;

  bool Active() const { return static_cast<bool>(hook_); }

 private:
  CWinEventHook hook_;
};
