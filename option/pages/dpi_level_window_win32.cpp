#include "option/pages/dpi_level_window_win32.h"

#include "option/pages/dpi_rules.h"
#include "option/pages/level_values.h"
#include "option/skin/control_messages.h"
#include "option/skin/skin_image_win32.h"
#include "option/skin/skin_state.h"

namespace {
const WindowClass kLevelClass{"OspreyDpiLevel", CS_DBLCLKS};
// Places inside the level window.
constexpr RECT kLabelRect{0, 0, 75, 15};
constexpr RECT kSliderRect{21, 21, 417, 36};
constexpr RECT kTextRect{385, 3, 416, 13};
}  // namespace

bool CDpiLevelWindow::Create(HWND page, const RECT& r, int id, HBITMAP mask) {
  id_ = id;
  if (!CreateWindowOf(kLevelClass, 0, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, r.left, r.top,
                        r.right - r.left, r.bottom - r.top, page, id))
    return false;
  if (HRGN outline = RegionFromMask(mask, RGB(255, 255, 255), 0)) SetWindowRgn(Hwnd(), outline, TRUE);
  return true;
}

void CDpiLevelWindow::OnCreate() {
  label_.Create(Hwnd(), kLabelRect);
  if (slider_.Create(SkinPath("scroll_arrow_down.bmp"), kSliderRect.left, kSliderRect.top,
                     kSliderRect.right, kSliderRect.bottom, Hwnd(), kLevelSliderId)) {
    slider_.SetRange(1, kLevelValueCount);
    slider_.SetSnap(true);
  }
  text_.Create(Hwnd(), kTextRect);
  SetValue(value_);
}

void CDpiLevelWindow::SetImages(int left, int top, int right, int bottom, HBITMAP normal,
                                HBITMAP over, HBITMAP down, HBITMAP disabled) {
  pictures_.Cut(left, top, right, bottom, normal, over, down, disabled);
  if (Hwnd()) CutChildImages();
}

void CDpiLevelWindow::SetStateImages(CBitmap over, CBitmap down, CBitmap disabled) {
  pictures_.SetStates(std::move(over), std::move(down), std::move(disabled));
  if (Hwnd()) CutChildImages();
}

void CDpiLevelWindow::CutChildImages() {
  pictures_.CutFor(label_, kLabelRect);
  CutTrackImage();
  InvalidateRect(Hwnd(), nullptr, FALSE);
}

// The track is the window's normal picture there, its disabled one while the
// level is out of use.
void CDpiLevelWindow::CutTrackImage() {
  const CBitmap& source = !inUse_ && pictures_[3] ? pictures_[3] : pictures_[0];
  const RECT& s = kSliderRect;
  slider_.SetTrackImage(s.left, s.top, s.right, s.bottom, source.Get());
}

void CDpiLevelWindow::SetValue(int value) {
  value_ = value;
  slider_.SetPos(value);
  text_.SetText(LevelValueText(value));
}

void CDpiLevelWindow::SetInUse(bool inUse) {
  if (inUse == inUse_ && Hwnd()) return;
  inUse_ = inUse;
  for (HWND child : {label_.Hwnd(), slider_.Hwnd(), slider_.Thumb().Hwnd(), text_.Hwnd()})
    if (child) EnableWindow(child, inUse);
  if (!Hwnd()) return;
  CutTrackImage();
  InvalidateRect(Hwnd(), nullptr, FALSE);
}

void CDpiLevelWindow::SetCurrent(bool current) {
  current_ = current;
  label_.SetHeldDown(current);
  if (Hwnd()) InvalidateRect(Hwnd(), nullptr, FALSE);
}

void CDpiLevelWindow::OnSliderPos(int value, int slider) {
  if (slider != kLevelSliderId) return;
  if (const auto notice = LevelSliderNotice(value_, value)) {
    text_.SetText(LevelValueText(value_));
    PostMessageA(GetParent(Hwnd()), WM_DPI_LEVEL, *notice, id_);
  }
}

void CDpiLevelWindow::OnPaint() {
  CPaintDC paint(Hwnd());
  const int shown = current_ ? 2 : inUse_ ? 0 : 3;
  BlitBitmap(paint.Get(), (pictures_[shown] ? pictures_[shown] : pictures_[0]).Get());
}

LRESULT CDpiLevelWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CREATE: OnCreate(); return 0;
    case WM_PAINT: OnPaint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_SLIDER_POS: OnSliderPos(static_cast<int>(wp), static_cast<int>(lp)); return 0;
    case WM_COMMAND:
      if (reinterpret_cast<HWND>(lp) == label_.Hwnd())
        PostMessageA(GetParent(Hwnd()), WM_DPI_LEVEL, EncodeLevelNotice(LevelNotice::MakeCurrent, 0), id_);
      return 0;
    default: return Default(msg, wp, lp);
  }
}
