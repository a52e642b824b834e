// CShortcutDialog: captures the key of a key combination. Keys pressed
// anywhere are caught by a low-level keyboard hook (and kept from every
// other program) while the dialog lives; the last one becomes the key.
// Usage:
//   CShortcutDialog d;
//   d.keyCode = slot usage; d.options[0..4] = key alone, Shift, Ctrl, Alt, Win;
//   if (d.DoModal(owner) == IDOK) { use d.keyCode, ShortcutModifierBits(d.options) }
#pragma once

#include <windows.h>

#include <cstdint>

#include "option/pages/key_capture_win32.h"
#include "option/pages/shortcut_options.h"
#include "option/skin/bitmap_edit_win32.h"
#include "option/skin/control_messages.h"
#include "option/skin/skin_button_win32.h"
#include "option/skin/skin_dialog_win32.h"

class CShortcutDialog : public CSkinDialog {
 public:
  CShortcutDialog() : CSkinDialog("skin_shortcut.ini") {}
  ~CShortcutDialog() override;

  INT_PTR DoModal(HWND owner);

  // The keyboard usage of the key (0: none known) and the option states.
  uint8_t keyCode = 0;
  bool options[kShortcutOptionCount] = {};

  // The text shown for the captured key.
  HWND KeyDisplay() const { return display_.Hwnd(); }
  HWND ToggleHwnd(int option) const { return toggles_[option].Hwnd(); }
  HWND OkHwnd() const { return ok_.Hwnd(); }
  bool HookInstalled() const { return capture_.Installed(); }

 protected:
  void CreateControls(const CSkinBuilder& skin) override;
  void OnInitDialog() override;
  bool OnCommandFrom(HWND control, int id, int code) override;
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void OnHookKey(int virtualKey);
  void ShowKeyName(int virtualKey);
  void ApplyToggles();

  CBitmapEdit display_;
  CSkinButton ok_, cancel_, close_;
  CSkinButton toggles_[kShortcutOptionCount];
  CKeyCapture capture_;
};
