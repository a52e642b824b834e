// CProfileNameDialog: names the current profile and links it to a program.
// Mode 0 edits the profile's current name and program, mode 1 starts blank.
// OK stores both texts into the profile (a program path too long for the
// profile is refused and the old one kept); Cancel changes nothing.
// Usage: if (CProfileNameDialog(profile, 0).DoModal(owner) == IDOK) ...
#pragma once

#include <windows.h>

#include <string>

#include "option/skin/bitmap_edit_win32.h"
#include "option/skin/skin_button_win32.h"
#include "option/skin/skin_dialog_win32.h"
#include "settings/profile_set.h"

class CProfileNameDialog : public CSkinDialog {
 public:
  enum Mode { kEditing = 0, kBlank = 1 };

  CProfileNameDialog(Profile& profile, int mode)
      : CSkinDialog("skin_profile.ini"), profile_(profile), mode_(mode) {}

  INT_PTR DoModal(HWND owner);

  HWND NameField() const { return name_.Hwnd(); }
  HWND ProgramField() const { return program_.Hwnd(); }
  HWND OkHwnd() const { return ok_.Hwnd(); }
  HWND BrowseHwnd() const { return browse_.Hwnd(); }
  // False after an OK whose program path did not fit the profile.
  bool ProgramStored() const { return programStored_; }

 protected:
  void CreateControls(const CSkinBuilder& skin) override;
  void OnInitDialog() override;
  bool OnCommandFrom(HWND control, int id, int code) override;

 private:
  void OnBrowse();
  void OnOk();

  Profile& profile_;
  int mode_;
  bool programStored_ = true;
  CBitmapEdit name_, program_;
  CSkinButton browse_, ok_, cancel_, close_;
};
