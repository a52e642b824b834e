// The four pictures a skinned control is drawn from, kept and handed on to
// the controls inside it.
#pragma once

#include <windows.h>

#include "option/skin/skin_picture_target_win32.h"
#include "wingui/gdi_win32.h"

// Normal, hover, pressed and disabled, in that order (a missing one is empty).
class CControlPictures {
 public:
  // Cuts all four from the dialog's full-window pictures at the control's
  // rectangle; a missing source leaves that state without a picture.
  void Cut(int left, int top, int right, int bottom, HBITMAP normal, HBITMAP over, HBITMAP down,
           HBITMAP disabled);
  // The hover, pressed and disabled pictures, already cut.
  void SetStates(CBitmap over, CBitmap down, CBitmap disabled);
  // Cuts an inner control's pictures from these at rectangle r (in the
  // control's client coordinates).
  void CutFor(CSkinPictureTarget& inner, const RECT& r) const;
  // The same at the place the inner window child has in the control window owner.
  void CutFor(CSkinPictureTarget& inner, HWND child, HWND owner) const;

  const CBitmap& operator[](int state) const { return images_[state]; }

 private:
  CBitmap images_[4];
};

// A control drawn from pictures draws its own frame and takes no tab stop.
void DropFrameStyles(HWND control);
