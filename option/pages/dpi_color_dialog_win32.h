// CDpiColorDialog: the modal colour chooser of a sensitivity level (and of
// the lighting colours): a palette to pick from with the cross-hair, a
// preview, and red, green and blue number boxes.
//
//   CDpiColorDialog chooser;
//   chooser.SetColor(colour);
//   if (chooser.DoModal(owner) == IDOK) colour = chooser.Color();
#pragma once

#include <windows.h>

#include <array>

#include "option/pages/number_box_win32.h"
#include "option/skin/skin_button_win32.h"
#include "option/skin/skin_dialog_win32.h"

class CDpiColorDialog final : public CSkinDialog {
 public:
  CDpiColorDialog() : CSkinDialog("skin_dpi_color.ini") {}

  // A colour reference: red in the low byte, then green, then blue.
  void SetColor(COLORREF color) { color_ = color; }
  COLORREF Color() const { return color_; }

 protected:
  void CreateControls(const CSkinBuilder& skin) override;
  void OnInitDialog() override;
  bool OnCommandFrom(HWND control, int id, int code) override;
  void PaintOver(HDC dc) override;
  bool DrawsOver() const override { return true; }
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  bool InPalette(POINT client) const;
  void Pick(POINT client);
  void OnNumberChanged(int value, int box);
  void ShowParts();
  void RepaintPreview();

  COLORREF color_ = RGB(0, 0, 0);
  CSkinButton ok_, cancel_, close_;
  std::array<CNumberBox, 3> parts_;  // red, green, blue
  RECT preview_{};
  RECT palette_{};
};
