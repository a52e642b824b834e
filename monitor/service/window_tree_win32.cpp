#include "monitor/service/window_tree_win32.h"

namespace {
HWND H(WindowRef w) { return reinterpret_cast<HWND>(w); }
WindowRef R(HWND h) { return reinterpret_cast<WindowRef>(h); }
}  // namespace

WindowRef CWindowTreeWin32::WindowAt(ScreenPoint p) { return R(WindowFromPoint(POINT{p.x, p.y})); }

WindowRef CWindowTreeWin32::Desktop() { return R(GetDesktopWindow()); }

std::string CWindowTreeWin32::ClassName(WindowRef w) {
  char name[256] = {};
  const int n = GetClassNameA(H(w), name, sizeof name);
  return std::string(name, n > 0 ? static_cast<size_t>(n) : 0);
}

WindowRef CWindowTreeWin32::Parent(WindowRef w) { return R(GetAncestor(H(w), GA_PARENT)); }

WindowRef CWindowTreeWin32::ChildAt(WindowRef w, ScreenPoint p) {
  POINT client{p.x, p.y};
  ScreenToClient(H(w), &client);
  HWND child = ChildWindowFromPoint(H(w), client);
  return child == H(w) ? 0 : R(child);
}

WindowRef CWindowTreeWin32::FirstChild(WindowRef w) { return R(GetWindow(H(w), GW_CHILD)); }
WindowRef CWindowTreeWin32::NextSibling(WindowRef w) { return R(GetWindow(H(w), GW_HWNDNEXT)); }
WindowRef CWindowTreeWin32::PreviousSibling(WindowRef w) { return R(GetWindow(H(w), GW_HWNDPREV)); }

uint32_t CWindowTreeWin32::Style(WindowRef w) {
  return static_cast<uint32_t>(GetWindowLongPtrA(H(w), GWL_STYLE));
}

ScreenRect CWindowTreeWin32::Rect(WindowRef w) {
  RECT r{};
  GetWindowRect(H(w), &r);
  return {r.left, r.top, r.right, r.bottom};
}

ScreenPoint CScrollInputWin32::CursorPos() {
  POINT p{};
  GetCursorPos(&p);
  return {p.x, p.y};
}

void CScrollInputWin32::SetCursorPos(ScreenPoint p) { ::SetCursorPos(p.x, p.y); }

void CScrollInputWin32::ClickPrimary() {
  const bool swapped = GetSystemMetrics(SM_SWAPBUTTON) != 0;
  const DWORD down = swapped ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
  const DWORD up = swapped ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
  mouse_event(down | MOUSEEVENTF_ABSOLUTE, 0, 0, 0, 0);
  mouse_event(up | MOUSEEVENTF_ABSOLUTE, 0, 0, 0, 0);
}

void CScrollInputWin32::PostHScroll(WindowRef w, bool left, WindowRef bar) {
  PostMessageA(H(w), WM_HSCROLL, left ? SB_LINELEFT : SB_LINERIGHT, static_cast<LPARAM>(bar));
}

void CScrollInputWin32::PostArrowKey(WindowRef w, bool left) {
  if (left) {
    PostMessageA(H(w), WM_KEYDOWN, VK_LEFT, 0x014B0001);
    PostMessageA(H(w), WM_KEYUP, VK_LEFT, static_cast<LPARAM>(0xC14B0001u));
  } else {
    PostMessageA(H(w), WM_KEYDOWN, VK_RIGHT, 0x014D0001);
    PostMessageA(H(w), WM_KEYUP, VK_RIGHT, static_cast<LPARAM>(0xC14D0001u));
  }
}
