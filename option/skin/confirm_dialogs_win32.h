// The confirmation dialogs asked before actions that cannot be undone. The
// question is part of the skin pictures; button "1" accepts (IDOK), the
// others cancel (IDCANCEL). Usage: CResetAllWarnDialog d; d.DoModal(owner).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "option/skin/skin_button_win32.h"
#include "option/skin/skin_dialog_win32.h"

class CConfirmDialog : public CSkinDialog {
 public:
  // Text drawn in the message rectangle; empty by default.
  void SetMessageText(std::string text) { message_ = std::move(text); }

 protected:
  CConfirmDialog(const char* skinFile, int cancelButtons, bool drawsMessage)
      : CSkinDialog(skinFile), buttons_(1 + cancelButtons), drawsMessage_(drawsMessage) {}

  void CreateControls(const CSkinBuilder& skin) override;
  bool OnCommandFrom(HWND control, int id, int code) override;
  void PaintOver(HDC dc) override;
  bool DrawsOver() const override { return true; }

 private:
  std::vector<CSkinButton> buttons_;  // accept first, then the cancels
  bool drawsMessage_;
  std::string message_;
};

class CClickWarnDialog : public CConfirmDialog {
 public:
  CClickWarnDialog() : CConfirmDialog("skin_click_warn.ini", 2, true) {}
};

class CResetCurrentWarnDialog : public CConfirmDialog {
 public:
  CResetCurrentWarnDialog() : CConfirmDialog("skin_reset_current_warn.ini", 2, true) {}
};

class CResetAllWarnDialog : public CConfirmDialog {
 public:
  CResetAllWarnDialog() : CConfirmDialog("skin_reset_all_warn.ini", 2, true) {}
};

class CMacroSetWarnDialog : public CConfirmDialog {
 public:
  CMacroSetWarnDialog() : CConfirmDialog("skin_macro_set_warn.ini", 1, true) {}
};

class CDeleteMacroWarnDialog : public CConfirmDialog {
 public:
  CDeleteMacroWarnDialog() : CConfirmDialog("skin_delete_macro_warn.ini", 2, false) {}
};
