// CDpiLevelWindow: one sensitivity level of the DPI page, in a window of its
// own shaped by the level mask: its label (click: make it the current
// level), its value slider and the value's text. It tells the page
// WM_DPI_LEVEL ((kind << 16) + value, its identifier 500 + level).
#pragma once

#include <windows.h>

#include "option/pages/value_label_win32.h"
#include "option/skin/control_pictures_win32.h"
#include "option/skin/skin_button_win32.h"
#include "option/skin/skin_picture_target_win32.h"
#include "option/skin/skin_slider_win32.h"
#include "wingui/gdi_win32.h"
#include "wingui/window_win32.h"

class CDpiLevelWindow final : public CWindow, public CSkinPictureTarget {
 public:
  // A child of page on rect, its outline from mask (white cut away).
  bool Create(HWND page, const RECT& rect, int id, HBITMAP mask);
  // Its own four pictures, cut from the page's at its rectangle; the label
  // and the slider's track are cut from these.
  void SetImages(int left, int top, int right, int bottom, HBITMAP normal, HBITMAP over,
                 HBITMAP down, HBITMAP disabled) override;
  void SetStateImages(CBitmap over, CBitmap down, CBitmap disabled) override;

  // Places the slider and sets the text; no notice.
  void SetValue(int value);
  int Value() const { return value_; }
  // A level out of use has its label, slider and text disabled.
  void SetInUse(bool inUse);
  // The current level shows its pressed picture and its label held down.
  void SetCurrent(bool current);
  bool Current() const { return current_; }

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void OnCreate();
  void OnSliderPos(int value, int slider);
  void OnPaint();
  void CutChildImages();
  void CutTrackImage();

  int id_ = 0;
  int value_ = 8;
  bool inUse_ = true;
  bool current_ = false;
  CControlPictures pictures_;  // normal, over, down, disabled
  CSkinButton label_;
  CSkinSlider slider_;
  CValueLabel text_;
};
