// CKeyCapture: a low-level keyboard hook for the whole desktop that takes
// every key event away from all programs and only posts MSG_HOOK_KEY
// (virtual key, 0x80 for a release, else 0) to a window. The hook runs on the
// installing thread. Captures may nest (a dialog over a recording page): the
// newest one gets the keys until it is removed.
#pragma once

#include <windows.h>

#include "wingui/handles_win32.h"

class CKeyCapture {
 public:
  // traced: installing and removing are written to the debugger output.
  explicit CKeyCapture(bool traced = false) : traced_(traced) {}
  CKeyCapture(const CKeyCapture&) = delete;
  CKeyCapture& operator=(const CKeyCapture&) = delete;
  ~CKeyCapture() { Remove(); }

  bool Install(HWND target);
  void Remove();
  bool Installed() const { return static_cast<bool>(hook_); }

 private:
  static LRESULT CALLBACK HookProc(int code, WPARAM wp, LPARAM lp);

  bool traced_;
  CHook hook_;
  HWND target_ = nullptr;
};
