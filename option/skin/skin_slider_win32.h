// CSkinSlider: a horizontal track drawn from the skin with a draggable thumb
// (CSliderThumb) drawn from its own picture file. The parent hears of every
// value the user sets as WM_SLIDER_POS (value, slider identifier).
#pragma once

#include <windows.h>

#include <string>

#include "option/skin/control_messages.h"
#include "option/skin/hover_help_win32.h"
#include "option/skin/skin_image_win32.h"
#include "option/skin/slider_math.h"
#include "wingui/gdi_win32.h"
#include "wingui/window_win32.h"

class CSkinSlider;

class CSliderThumb : public CWindow {
 public:
  bool Create(CSkinSlider& track, CSkinImage image, SIZE size);
  void SetRange(int minimum, int maximum);
  void SetSnap(bool snap) { snap_ = snap; }
  // Clamps, stores and moves the thumb to the value's place; no notice.
  void Place(int value);
  int Value() const { return value_; }
  int Left() const;

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void MoveTo(int left);
  void Post(int value);
  void OnLButtonDown(int x);
  void OnMouseMove(int x);
  void OnLButtonUp();
  void OnPaint();

  HWND track_ = nullptr;
  int id_ = 0;
  CSkinImage image_;
  SIZE size_{0, 0};
  SliderGeometry geometry_;
  int value_ = 0;
  bool snap_ = false;
  bool dragging_ = false;
  int pressX_ = 0;
};

class CSkinSlider : public CWindow {
 public:
  // Fails, creating nothing, when the thumb picture cannot be loaded.
  bool Create(const std::filesystem::path& thumbImageFile, int left, int top, int right, int bottom,
              HWND parent, int id);
  void SetTrackImage(int left, int top, int right, int bottom, HBITMAP fullWindowImage);
  void SetRange(int minimum, int maximum);
  void SetSnap(bool snap);
  void SetPos(int value);
  int Pos() const { return thumb_.Value(); }
  void SetHelpText(std::string text) { helpText_ = std::move(text); }
  int Id() const { return id_; }
  CSliderThumb& Thumb() { return thumb_; }

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void OnTrackClick(int x);
  void OnPaint();

  CSliderThumb thumb_;
  CSkinImage thumbImage_;
  SIZE thumbSize_{0, 0};
  CBitmap trackImage_;
  RECT rect_{};
  int id_ = 0;
  int minimum_ = 0;
  int maximum_ = 10;
  bool snap_ = false;
  CHoverHelp hoverHelp_;
  std::string helpText_;
};
