// Owners of GDI objects and device contexts, and the scopes of painting:
// non-copyable; the objects move, the scopes stay where they were opened.
#pragma once

#include <windows.h>

#include "wingui/handles_win32.h"

namespace wingui_traits {
struct GdiObject : NullIsNone {
  static void Close(HGDIOBJ object) { DeleteObject(object); }
};
struct MemoryDC : NullIsNone {
  static void Close(HDC dc) { DeleteDC(dc); }
};
}  // namespace wingui_traits

template <typename Handle>
using CGdiObject = CUniqueHandle<Handle, wingui_traits::GdiObject>;
using CBitmap = CGdiObject<HBITMAP>;
using CFont = CGdiObject<HFONT>;
using CBrush = CGdiObject<HBRUSH>;
using CPen = CGdiObject<HPEN>;
using CRegion = CGdiObject<HRGN>;
// A DC made by CreateCompatibleDC.
using CMemoryDC = CUniqueHandle<HDC, wingui_traits::MemoryDC>;

// Selects an object into a DC for a scope.
class CSelectObject {
 public:
  CSelectObject(HDC dc, HGDIOBJ object)
      : dc_(dc), old_(object ? SelectObject(dc, object) : nullptr) {}
  CSelectObject(const CSelectObject&) = delete;
  CSelectObject& operator=(const CSelectObject&) = delete;
  ~CSelectObject() {
    if (old_) SelectObject(dc_, old_);
  }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

// A window's DC (client area, or the whole window; the screen's for no
// window) for a scope.
class CWindowDC {
 public:
  explicit CWindowDC(HWND window, bool wholeWindow = false)
      : window_(window), dc_(wholeWindow ? GetWindowDC(window) : GetDC(window)) {}
  CWindowDC(const CWindowDC&) = delete;
  CWindowDC& operator=(const CWindowDC&) = delete;
  ~CWindowDC() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// BeginPaint and EndPaint for a scope: the handler of WM_PAINT opens one.
class CPaintDC {
 public:
  explicit CPaintDC(HWND window) : window_(window) { dc_ = BeginPaint(window, &ps_); }
  CPaintDC(const CPaintDC&) = delete;
  CPaintDC& operator=(const CPaintDC&) = delete;
  ~CPaintDC() { EndPaint(window_, &ps_); }
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT ps_{};
  HDC dc_;
};

inline SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP info{};
  if (!bitmap || !GetObject(bitmap, sizeof info, &info)) return {0, 0};
  return {info.bmWidth, info.bmHeight};
}

// Has paint(memoryDC) draw into a bitmap of area's size, then copies that to
// dc in one piece, so that nothing flickers. area starts at (0, 0): a client
// rectangle.
template <typename Paint>
void PaintOffscreen(HDC dc, const RECT& area, Paint&& paint) {
  CMemoryDC memory(CreateCompatibleDC(dc));
  CBitmap canvas(CreateCompatibleBitmap(dc, area.right, area.bottom));
  if (!memory || !canvas) return;
  CSelectObject select(memory.Get(), canvas.Get());
  paint(memory.Get());
  BitBlt(dc, 0, 0, area.right, area.bottom, memory.Get(), 0, 0, SRCCOPY);
}
