// CNumberBox: a number field with an up and a down arrow that steps by a
// fixed step within a range and takes typed numbers, bringing them into the
// range. Tells its owner WM_NUMBER_CHANGED (value, identifier) after every
// change of the text, when the field loses the focus and on Enter.
#pragma once

#include <windows.h>

#include <string>

#include "option/pages/number_box_rules.h"
#include "option/skin/bitmap_edit_win32.h"
#include "option/skin/hover_help_win32.h"
#include "option/skin/skin_button_win32.h"
#include "option/skin/spin_box_pictures_win32.h"
#include "wingui/gdi_win32.h"
#include "wingui/window_win32.h"

class CNumberBox final : public CWindow, public CSpinBoxPictures {
 public:
  static constexpr int kFieldId = 401;

  CNumberBox() : CSpinBoxPictures(*this, up_, down_) {}
  bool Create(int left, int top, int right, int bottom, HWND owner, int id);
  // Also limits the text to the digits the range needs.
  void SetRange(int minimum, int maximum);
  void SetStep(int step) { model_.SetStep(step); }
  // Shows the value unless the text already reads so.
  void SetValue(int value);
  int Value() const { return model_.Value(); }
  void SetHelpText(std::string text) { helpText_ = std::move(text); }
  HWND Field() const { return field_.Hwnd(); }
  CSkinButton& UpButton() { return up_; }
  CSkinButton& DownButton() { return down_; }

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void OnCreate();
  void OnArrow(bool up);
  void Settle(const CNumberBoxModel::Settled& settled);
  std::string Text() const;
  void SetText(const std::string& text);
  void OnPaint();

  CNumberBoxModel model_;
  HWND owner_ = nullptr;
  int id_ = 0;
  CSkinButton up_, down_;
  CBitmapEdit field_;
  std::string helpText_;
  CHoverHelp hoverHelp_;
};
