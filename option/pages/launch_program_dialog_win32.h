// CLaunchProgramDialog: asks for the program a button starts. Set path before
// DoModal; on IDOK it holds the field's text as typed (never more than the
// button slot's program field can keep).
#pragma once

#include <windows.h>

#include <string>

#include "option/skin/bitmap_edit_win32.h"
#include "option/skin/skin_button_win32.h"
#include "option/skin/skin_dialog_win32.h"

class CLaunchProgramDialog : public CSkinDialog {
 public:
  CLaunchProgramDialog() : CSkinDialog("skin_lanuch_program.ini") {}

  std::string path;

 protected:
  void CreateControls(const CSkinBuilder& skin) override;
  void OnInitDialog() override;
  bool OnCommandFrom(HWND control, int id, int code) override;

 private:
  void OnBrowse();
  void OnOk();
  std::string FieldText() const;

  CBitmapEdit field_;
  CSkinButton browse_, ok_, cancel_, close_;
};
