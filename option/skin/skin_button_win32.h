// CSkinButton: a push button drawn from four pictures cut from the skin, with
// hover tracking by mouse capture and an optional toggle mode. CColorButton:
// the same with a colour square instead of a caption.
//
// Clicks reach the parent as WM_COMMAND (BN_CLICKED, the button's handle in
// lParam); a parent tells its buttons apart by handle.
#pragma once

#include <windows.h>

#include <string>

#include "option/skin/button_image.h"
#include "option/skin/control_messages.h"
#include "option/skin/control_pictures_win32.h"
#include "option/skin/skin_picture_target_win32.h"
#include "wingui/gdi_win32.h"
#include "wingui/window_win32.h"

class CSkinButton : public CWindow, public CSkinPictureTarget {
 public:
  // A visible child without text; style may carry BS_DEFPUSHBUTTON (starts
  // hovered). Tab stops are never kept.
  bool Create(HWND parent, const RECT& rect, int id = 0, DWORD style = 0);
  // Cuts the four state pictures from full-window pictures at the rectangle.
  void SetImages(int left, int top, int right, int bottom, HBITMAP normal, HBITMAP over,
                 HBITMAP down, HBITMAP disabled) override;
  // The hover, pressed and disabled pictures, already cut, when they come
  // after the button was made. Until then (and for any state without a
  // picture) the button shows its normal picture.
  void SetStateImages(CBitmap over, CBitmap down, CBitmap disabled) override;
  void SetHeldDown(bool down);
  bool HeldDown() const { return heldDown_; }
  void SetToggleMode(bool on) { toggleMode_ = on; }
  void SetHover(bool hover);
  bool Hover() const { return hover_; }
  void SetCaption(std::string caption);
  void SetHelpText(std::string text) { helpText_ = std::move(text); }
  const std::string& HelpText() const { return helpText_; }
  void SetHoverId(int id) { hoverId_ = id; }
  int HoverId() const { return hoverId_; }

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  virtual void NotifyHover(bool hover);
  // Draws the chosen picture (and what goes over it) into dc.
  virtual void Draw(HDC dc, HBITMAP image);
  HBITMAP ImageFor(ButtonImage which) const;
  SIZE ClientSize() const;

 private:
  ButtonLook Look() const;
  void OnPaint();
  void OnMouseMove(WPARAM keys, POINT p);
  void OnLButtonDown();
  LRESULT OnLButtonUp(POINT p);
  void OnCaptureChanged(HWND taker);
  void OnKillFocus();
  void Redraw() { InvalidateRect(Hwnd(), nullptr, FALSE); }

  CControlPictures pictures_;
  bool toggleMode_ = false;
  bool heldDown_ = false;
  bool hover_ = false;
  bool tracking_ = false;      // left button pressed on us, not yet released
  bool pressedInside_ = false;
  int hoverId_ = 0;
  std::string caption_;
  std::string helpText_;
};

class CColorButton : public CSkinButton {
 public:
  void SetColor(COLORREF color) { color_ = color; }
  COLORREF Color() const { return color_; }

 protected:
  void NotifyHover(bool hover) override;
  void Draw(HDC dc, HBITMAP image) override;

 private:
  COLORREF color_ = RGB(0, 0, 0);
};
