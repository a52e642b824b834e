// The real windows and input behind scroll redirection.
#pragma once

#include <windows.h>

#include "monitor/service/scroll_redirect.h"

class CWindowTreeWin32 final : public CWindowTree {
 public:
  WindowRef WindowAt(ScreenPoint point) override;
  WindowRef Desktop() override;
  std::string ClassName(WindowRef window) override;
  WindowRef Parent(WindowRef window) override;
  WindowRef ChildAt(WindowRef window, ScreenPoint point) override;
  WindowRef FirstChild(WindowRef window) override;
  WindowRef NextSibling(WindowRef window) override;
  WindowRef PreviousSibling(WindowRef window) override;
  uint32_t Style(WindowRef window) override;
  ScreenRect Rect(WindowRef window) override;
};

class CScrollInputWin32 final : public CScrollInput {
 public:
  ScreenPoint CursorPos() override;
  void SetCursorPos(ScreenPoint point) override;
  void ClickPrimary() override;
  void PostHScroll(WindowRef window, bool left, WindowRef scrollBar) override;
  void PostArrowKey(WindowRef window, bool left) override;
};
