// The pictures of a box with an up and a down button (the list spin box, the
// number box): the box's own are cut at its rectangle, and each button's from
// them at the button's place in the box.
#pragma once

#include <windows.h>

#include "option/skin/control_pictures_win32.h"
#include "option/skin/skin_button_win32.h"
#include "option/skin/skin_picture_target_win32.h"
#include "wingui/gdi_win32.h"
#include "wingui/window_win32.h"

class CSpinBoxPictures : public CSkinPictureTarget {
 public:
  void SetImages(int left, int top, int right, int bottom, HBITMAP normal, HBITMAP over,
                 HBITMAP down, HBITMAP disabled) override;
  // The box's own hover, pressed and disabled pictures, cut later; the
  // buttons' are cut from them.
  void SetStateImages(CBitmap over, CBitmap down, CBitmap disabled) override;

 protected:
  // References only: the box and its buttons are made later.
  CSpinBoxPictures(const CWindow& box, CSkinButton& up, CSkinButton& down)
      : box_(box), up_(up), down_(down) {}
  ~CSpinBoxPictures() = default;
  const CControlPictures& Pictures() const { return pictures_; }

 private:
  void CutButtonImages();

  const CWindow& box_;
  CSkinButton& up_;
  CSkinButton& down_;
  CControlPictures pictures_;
};
