// CSelectPlayerDialog: chooses the media player the profile's media functions
// address. Set player before DoModal; on IDOK it holds the choice (unchanged
// when nothing was chosen, even outside 0..3).
#pragma once

#include <windows.h>

#include "option/skin/skin_button_win32.h"
#include "option/skin/skin_dialog_win32.h"
#include "wingui/gdi_win32.h"

class CSelectPlayerDialog : public CSkinDialog {
 public:
  CSelectPlayerDialog() : CSkinDialog("skin_select_player.ini") {}

  int player = 0;

 protected:
  void CreateControls(const CSkinBuilder& skin) override;
  void OnInitDialog() override;
  bool OnCommandFrom(HWND control, int id, int code) override;

 private:
  void OnDropDown();
  void ShowPlayer();

  CSkinButton dropDown_, ok_, cancel_, close_;
  CFont menuFont_;
};
