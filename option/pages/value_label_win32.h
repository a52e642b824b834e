// CValueLabel: a small text on a plain background (the value of a
// sensitivity level), drawn through an off-screen bitmap. Offers its help
// text to the main dialog when the pointer comes over it.
#pragma once

#include <windows.h>

#include <string>

#include "wingui/gdi_win32.h"
#include "option/skin/hover_help_win32.h"
#include "wingui/window_win32.h"

class CValueLabel final : public CWindow {
 public:
  bool Create(HWND parent, const RECT& rect);
  void SetText(std::string text);
  void SetBackColor(COLORREF color);
  void SetHelpText(std::string text) { helpText_ = std::move(text); }

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void OnPaint();

  std::string text_;
  COLORREF back_ = RGB(255, 255, 255);
  std::string helpText_;
  CHoverHelp hoverHelp_;
};
