#include "option/skin/spin_box_pictures_win32.h"

#include <utility>

void CSpinBoxPictures::SetImages(int left, int top, int right, int bottom, HBITMAP normal,
                                 HBITMAP over, HBITMAP down, HBITMAP disabled) {
  pictures_.Cut(left, top, right, bottom, normal, over, down, disabled);
  if (!box_.Hwnd()) return;
  DropFrameStyles(box_.Hwnd());
  CutButtonImages();
}

void CSpinBoxPictures::SetStateImages(CBitmap over, CBitmap down, CBitmap disabled) {
  pictures_.SetStates(std::move(over), std::move(down), std::move(disabled));
  if (box_.Hwnd()) CutButtonImages();
}

void CSpinBoxPictures::CutButtonImages() {
  for (CSkinButton* b : {&up_, &down_}) pictures_.CutFor(*b, b->Hwnd(), box_.Hwnd());
  InvalidateRect(box_.Hwnd(), nullptr, FALSE);
}
