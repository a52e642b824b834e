// CListSpinBox: a read-only number with up and down buttons that steps
// through a fixed list of values and tells its owner WM_NUMBER_CHANGED
// (value, identifier) after each step.
#pragma once

#include <windows.h>

#include <string>

#include "option/skin/bitmap_edit_win32.h"
#include "option/skin/control_messages.h"
#include "option/skin/control_pictures_win32.h"
#include "option/skin/hover_help_win32.h"
#include "option/skin/list_spin.h"
#include "option/skin/skin_button_win32.h"
#include "option/skin/skin_picture_target_win32.h"
#include "wingui/gdi_win32.h"
#include "wingui/window_win32.h"

class CListSpinBox : public CWindow, public CSkinPictureTarget {
 public:
  static constexpr int kDisplayId = 401;

  bool Create(int left, int top, int right, int bottom, HWND owner, int id);
  // Cuts the box's pictures from the owner's full-window pictures at its
  // rectangle, and the buttons' pictures from the box's own.
  void SetImages(int left, int top, int right, int bottom, HBITMAP normal, HBITMAP over,
                 HBITMAP down, HBITMAP disabled) override;
  // The box's own hover, pressed and disabled pictures, cut later; the
  // buttons' are cut from them.
  void SetStateImages(CBitmap over, CBitmap down, CBitmap disabled) override;
  void SetRange(int minimum, int maximum);
  void SetValue(int value);
  int Value() const { return model_.Value(); }
  void SetList(const std::array<int, CListSpinModel::kListSize>& list) { model_.SetList(list); }
  void SetHelpText(std::string text) { helpText_ = std::move(text); }
  CSkinButton& UpButton() { return up_; }
  CSkinButton& DownButton() { return down_; }
  HWND Display() const { return display_.Hwnd(); }

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void OnCreate();
  void Step(bool up);
  void ShowValue();
  void CutButtonImages();

  CListSpinModel model_;
  HWND owner_ = nullptr;
  int id_ = 0;
  CControlPictures pictures_;
  CSkinButton up_, down_;
  CBitmapEdit display_;
  std::string helpText_;
  CHoverHelp hoverHelp_;
};
