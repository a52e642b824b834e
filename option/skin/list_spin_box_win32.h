// CListSpinBox: a read-only number with up and down buttons that steps
// through a fixed list of values and tells its owner WM_NUMBER_CHANGED
// (value, identifier) after each step.
#pragma once

#include <windows.h>

#include <string>

#include "option/skin/bitmap_edit_win32.h"
#include "option/skin/control_messages.h"
#include "option/skin/hover_help_win32.h"
#include "option/skin/list_spin.h"
#include "option/skin/skin_button_win32.h"
#include "option/skin/spin_box_pictures_win32.h"
#include "wingui/gdi_win32.h"
#include "wingui/window_win32.h"

class CListSpinBox : public CWindow, public CSpinBoxPictures {
 public:
  static constexpr int kDisplayId = 401;

  CListSpinBox() : CSpinBoxPictures(*this, up_, down_) {}
  bool Create(int left, int top, int right, int bottom, HWND owner, int id);
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

  CListSpinModel model_;
  HWND owner_ = nullptr;
  int id_ = 0;
  CSkinButton up_, down_;
  CBitmapEdit display_;
  std::string helpText_;
  CHoverHelp hoverHelp_;
};
