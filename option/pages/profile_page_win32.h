// CProfilePage: a skinned page of the main dialog that edits the working
// profile. Its window and pictures are made when it is first shown, and each
// time it is shown it shows the profile as it is then, since the other pages
// edit parts of the same profile.
#pragma once

#include <windows.h>

#include <string>
#include <utility>

#include "option/pages/option_page_win32.h"
#include "option/skin/skin_dialog_win32.h"

class CProfilePage : public CSkinDialog, public COptionPage {
 public:
  explicit CProfilePage(std::string skinFileName) : CSkinDialog(std::move(skinFileName)) {}

  // COptionPage.
  bool Create(HWND parent, const RECT& where) override;
  void Show(bool visible) override;

 private:
  HWND parent_ = nullptr;
  RECT where_{};
};
