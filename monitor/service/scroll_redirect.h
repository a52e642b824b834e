// Horizontal scrolling for applications that ignore a sideways wheel: find
// the horizontal scroll bar of the window under the cursor and work it the
// way that application understands.
#pragma once

#include <cstdint>
#include <string>

using WindowRef = uintptr_t;  // 0 = none

struct ScreenPoint {
  int x = 0, y = 0;
};
struct ScreenRect {
  int left = 0, top = 0, right = 0, bottom = 0;
};

// The window tree as the search sees it.
class CWindowTree {
 public:
  virtual ~CWindowTree() = default;
  virtual WindowRef WindowAt(ScreenPoint point) = 0;
  virtual WindowRef Desktop() = 0;
  virtual std::string ClassName(WindowRef window) = 0;
  virtual WindowRef Parent(WindowRef window) = 0;
  // The direct child of window at the point; 0 when the point is on no child.
  virtual WindowRef ChildAt(WindowRef window, ScreenPoint point) = 0;
  virtual WindowRef FirstChild(WindowRef window) = 0;
  virtual WindowRef NextSibling(WindowRef window) = 0;
  virtual WindowRef PreviousSibling(WindowRef window) = 0;
  virtual uint32_t Style(WindowRef window) = 0;
  virtual ScreenRect Rect(WindowRef window) = 0;
};

// The four ways of scrolling.
class CScrollInput {
 public:
  virtual ~CScrollInput() = default;
  virtual ScreenPoint CursorPos() = 0;
  virtual void SetCursorPos(ScreenPoint point) = 0;
  // Press and release of the primary button where the cursor is.
  virtual void ClickPrimary() = 0;
  // WM_HSCROLL line left or right to window, lParam = scrollBar.
  virtual void PostHScroll(WindowRef window, bool left, WindowRef scrollBar) = 0;
  // Key down and up of the Left or Right arrow to window.
  virtual void PostArrowKey(WindowRef window, bool left) = 0;
};

inline constexpr uint32_t kStyleHScroll = 0x00100000;

struct AppKind {
  int kind = 0;
  bool browser = false;
};
AppKind KindOfClass(const std::string& className);

// The horizontal scroll target of window for the cursor point, or 0.
WindowRef FindHorizontalScrollTarget(CWindowTree& tree, WindowRef window, ScreenPoint cursor);

// One scroll step: direction +1 scrolls left, -1 right, repeated times.
void ScrollStep(CWindowTree& tree, CScrollInput& input, int direction, int repetitions);
