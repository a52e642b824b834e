#include "option/skin/control_pictures_win32.h"

#include <utility>

#include "option/skin/skin_image_win32.h"

void CControlPictures::Cut(int left, int top, int right, int bottom, HBITMAP normal, HBITMAP over,
                           HBITMAP down, HBITMAP disabled) {
  const HBITMAP sources[4] = {normal, over, down, disabled};
  for (int i = 0; i < 4; ++i) {
    images_[i].Reset();
    CropImage(nullptr, images_[i], sources[i], left, top, right, bottom);
  }
}

void CControlPictures::SetStates(CBitmap over, CBitmap down, CBitmap disabled) {
  images_[1] = std::move(over);
  images_[2] = std::move(down);
  images_[3] = std::move(disabled);
}

void CControlPictures::CutFor(CSkinPictureTarget& inner, const RECT& r) const {
  inner.SetImages(r.left, r.top, r.right, r.bottom, images_[0].Get(), images_[1].Get(),
                  images_[2].Get(), images_[3].Get());
}

void CControlPictures::CutFor(CSkinPictureTarget& inner, HWND child, HWND owner) const {
  RECT r{};
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, owner, reinterpret_cast<POINT*>(&r), 2);
  CutFor(inner, r);
}

void DropFrameStyles(HWND control) {
  SetWindowLongA(control, GWL_STYLE,
                 GetWindowLongA(control, GWL_STYLE) & ~(WS_BORDER | WS_TABSTOP));
}
