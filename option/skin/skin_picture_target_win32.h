// The interface of every control that a skinned dialog cuts from its
// full-window pictures (CSkinBuilder::CutPictures).
#pragma once

#include <windows.h>

#include "wingui/gdi_win32.h"

// A control drawn from the four full-window pictures of its dialog, cut at
// its rectangle.
class CSkinPictureTarget {
 public:
  // Cuts all four (a missing picture leaves that state without one).
  virtual void SetImages(int left, int top, int right, int bottom, HBITMAP normal, HBITMAP over,
                         HBITMAP down, HBITMAP disabled) = 0;
  // The hover, pressed and disabled pictures, already cut, when they come
  // after the control was made.
  virtual void SetStateImages(CBitmap over, CBitmap down, CBitmap disabled) = 0;

 protected:
  ~CSkinPictureTarget() = default;
};
