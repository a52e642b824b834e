// CButtonPage: the main dialog's page on which each of the sixteen buttons
// of the current profile gets its function. Every button carries a label
// naming its function; a click opens the function menu at its bottom-left
// corner, and a choice is stored in the button's slot (after the dialog some
// choices open first).
#pragma once

#include <windows.h>

#include <array>

#include "option/pages/button_page_menu.h"
#include "option/pages/option_page_win32.h"
#include "option/pages/page_context.h"
#include "option/skin/skin_button_win32.h"
#include "option/skin/skin_dialog_win32.h"
#include "wingui/gdi_win32.h"

class CButtonPage final : public CSkinDialog, public COptionPage {
 public:
  explicit CButtonPage(PageContext& context) : CSkinDialog("skin_button_page.ini"), context_(context) {}

  // COptionPage: the window and its pictures are made when the page is first
  // shown; as Option's first page, it is shown while the main dialog is made.
  bool Create(HWND parent, const RECT& where) override;
  void Show(bool visible) override;
  void Refresh() override { RefreshLabels(); }

  void RefreshLabels();
  HWND ButtonHwnd(int button) const { return buttons_[button].Hwnd(); }

 protected:
  void CreateControls(const CSkinBuilder& skin) override;
  void OnInitDialog() override;
  bool OnCommandFrom(HWND control, int id, int code) override;

 private:
  void OpenMenu(int button);
  void OnMenuCommand(unsigned command);

  PageContext& context_;
  HWND parent_ = nullptr;
  RECT where_{};
  bool skinMissing_ = false;  // reported once
  std::array<CSkinButton, kButtonPageButtons> buttons_;
  CMenuReopenGuard guard_;
  int menuButton_ = -1;  // the button whose menu's command is awaited
  CFont menuFont_;
};
