// CSelectMacroDialog: chooses the stored macro a button plays and its play
// mode. Set position (-1 for none) and playMode before DoModal; on IDOK they
// hold the choice (position unchanged when no macro was chosen). Every
// choice is copied into scratch at once, whatever the dialog ends with.
#pragma once

#include <windows.h>

#include "option/skin/skin_button_win32.h"
#include "option/skin/skin_dialog_win32.h"
#include "settings/macro_store.h"
#include "settings/profile_set.h"
#include "wingui/gdi_win32.h"

class CSelectMacroDialog : public CSkinDialog {
 public:
  CSelectMacroDialog(const CMacroStore& store, MacroKeyInfo& scratch)
      : CSkinDialog("skin_select_macro.ini"), store_(store), scratch_(scratch) {}

  int position = -1;
  int playMode = 0;

 protected:
  void CreateControls(const CSkinBuilder& skin) override;
  void OnInitDialog() override;
  bool OnCommandFrom(HWND control, int id, int code) override;
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void OnDropDown();
  void ChooseMacro(int n);
  void SetPlayMode(int mode);
  void ShowMacroName();

  const CMacroStore& store_;
  MacroKeyInfo& scratch_;
  CSkinButton ok_, cancel_, close_, dropDown_, modes_[3];
  CFont menuFont_;
};
