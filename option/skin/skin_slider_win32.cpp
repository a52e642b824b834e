#include "option/skin/skin_slider_win32.h"

#include <windowsx.h>

#include <cstdio>

#include "option/skin/skin_image_win32.h"

namespace {
const WindowClass kTrackClass{"OspreySkinSlider", CS_DBLCLKS};
const WindowClass kThumbClass{"OspreySliderThumb", CS_DBLCLKS};

void Trace(const char* format, double value) {
  char line[64];
  std::snprintf(line, sizeof line, format, value);
  OutputDebugStringA(line);
}
}  // namespace

// ---- thumb

bool CSliderThumb::Create(CSkinSlider& track, CSkinImage image, SIZE size) {
  track_ = track.Hwnd();
  id_ = track.Id();
  image_ = std::move(image);
  size_ = size;
  RECT rc{};
  GetClientRect(track_, &rc);
  geometry_.left = 0;
  geometry_.right = rc.right;
  geometry_.thumbWidth = size.cx;
  if (!CreateWindowOf(kThumbClass, 0, WS_CHILD | WS_VISIBLE | WS_TABSTOP,
                      geometry_.left - size.cx / 2, 0, size.cx, size.cy, track_, id_))
    return false;
  // The outline keeps every pixel not of the picture's top-left colour.
  if (HRGN outline = RegionFromMask(image_.Get(), TopLeftColor(image_.Get()), 0))
    SetWindowRgn(Hwnd(), outline, TRUE);
  Place(0);
  return true;
}

void CSliderThumb::SetRange(int minimum, int maximum) {
  geometry_.minimum = minimum;
  geometry_.maximum = maximum;
}

int CSliderThumb::Left() const {
  RECT r{};
  GetWindowRect(Hwnd(), &r);
  POINT p{r.left, r.top};
  ScreenToClient(track_, &p);
  return p.x;
}

void CSliderThumb::MoveTo(int left) {
  SetWindowPos(Hwnd(), nullptr, left, 0, size_.cx, size_.cy, SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(Hwnd(), nullptr, FALSE);
}

void CSliderThumb::Place(int value) {
  value_ = ClampSliderValue(value, geometry_.minimum, geometry_.maximum);
  if (Hwnd()) MoveTo(ThumbLeftForValue(geometry_, value_));
}

void CSliderThumb::Post(int value) {
  value_ = value;
  PostMessageA(track_, WM_SLIDER_POS, static_cast<WPARAM>(value), id_);
}

void CSliderThumb::OnLButtonDown(int x) {
  SetCapture(Hwnd());
  pressX_ = x;
  dragging_ = true;
}

void CSliderThumb::OnMouseMove(int x) {
  if (!dragging_) return;
  const int before = Left();
  MoveTo(DragThumbLeft(geometry_, before, x - pressX_));
  // The value of the place the thumb had before this step, as the mouse
  // driver reports it; the release settles on the final place.
  Post(ValueAtThumbLeft(geometry_, before));
}

void CSliderThumb::OnLButtonUp() {
  if (!dragging_) return;
  dragging_ = false;
  ReleaseCapture();
  const double real = RealValueAtThumbLeft(geometry_, Left());
  Trace("CPHSlider=%f\n", real);
  Post(SettleSliderValue(real, snap_, geometry_.minimum, geometry_.maximum));
  if (snap_) MoveTo(ThumbLeftForValue(geometry_, value_));
}

void CSliderThumb::OnPaint() {
  CPaintDC paint(Hwnd());
  PaintOffscreen(paint.Get(), RECT{0, 0, size_.cx, size_.cy},
                 [&](HDC memory) { BlitBitmap(memory, image_.Get()); });
}

LRESULT CSliderThumb::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT: OnPaint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_LBUTTONDOWN: OnLButtonDown(GET_X_LPARAM(lp)); return 0;
    case WM_MOUSEMOVE: OnMouseMove(GET_X_LPARAM(lp)); return 0;
    case WM_LBUTTONUP: OnLButtonUp(); return 0;
    case WM_CAPTURECHANGED: dragging_ = false; return 0;
    default: return Default(msg, wp, lp);
  }
}

// ---- track

bool CSkinSlider::Create(const std::filesystem::path& thumbImageFile, int left, int top, int right, int bottom,
                         HWND parent, int id) {
  minimum_ = 0;
  maximum_ = 10;
  if (!LoadSkinImage(thumbImageFile, thumbImage_, thumbSize_)) return false;
  rect_ = {left, top, right, bottom};
  id_ = id;
  return CreateWindowOf(kTrackClass, 0, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, left, top,
                        right - left, bottom - top, parent, id);
}

void CSkinSlider::SetTrackImage(int left, int top, int right, int bottom, HBITMAP fullWindowImage) {
  CWindowDC screen(nullptr);
  CropImage(screen.Get(), trackImage_, fullWindowImage, left, top, right, bottom);
  if (Hwnd()) InvalidateRect(Hwnd(), nullptr, FALSE);
}

void CSkinSlider::SetRange(int minimum, int maximum) {
  minimum_ = minimum;
  maximum_ = maximum;
  thumb_.SetRange(minimum, maximum);
}

void CSkinSlider::SetSnap(bool snap) {
  snap_ = snap;
  thumb_.SetSnap(snap);
}

void CSkinSlider::SetPos(int value) {
  thumb_.Place(value);
  if (Hwnd()) InvalidateRect(Hwnd(), nullptr, FALSE);
}

void CSkinSlider::OnTrackClick(int x) {
  const int parentX = x + rect_.left;
  const double real = RealValueAtTrackClick(parentX, rect_.left, rect_.right, minimum_, maximum_);
  Trace("CclickHSlider=%f\n", real);
  const int value = SettleSliderValue(real, snap_, minimum_, maximum_);
  thumb_.Place(value);
  PostMessageA(GetParent(Hwnd()), WM_SLIDER_POS, static_cast<WPARAM>(value), id_);
}

void CSkinSlider::OnPaint() {
  CPaintDC paint(Hwnd());
  BlitBitmap(paint.Get(), trackImage_.Get());
}

LRESULT CSkinSlider::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CREATE:
      thumb_.SetRange(minimum_, maximum_);
      thumb_.SetSnap(snap_);
      thumb_.Create(*this, std::move(thumbImage_), thumbSize_);
      return 0;
    case WM_PAINT: OnPaint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_SLIDER_POS:
      PostMessageA(GetParent(Hwnd()), WM_SLIDER_POS, wp, id_);
      return 0;
    case WM_LBUTTONUP: OnTrackClick(GET_X_LPARAM(lp)); return 0;
    case WM_MOUSEMOVE: hoverHelp_.OnMouseMove(Hwnd(), helpText_); return 0;
    case WM_MOUSELEAVE: hoverHelp_.OnMouseLeave(); return 0;
    default: return Default(msg, wp, lp);
  }
}
