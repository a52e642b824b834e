#include "option/pages/select_macro_dialog_win32.h"

#include <cstring>
#include <string>

#include "option/pages/macro_choice.h"
#include "option/skin/skin_font_win32.h"
#include "option/skin/skin_menu_win32.h"

namespace {

// The BUTTONPOS keys of the dialog's skin.
enum SkinKey { kKeyOk = 1, kKeyCancel = 2, kKeyClose = 3, kKeyDropDown = 4, kKeyFirstMode = 5 };

constexpr int kMenuWidth = 139;

bool IsSwallowedKey(WPARAM key) { return key == VK_ESCAPE || key == VK_RETURN || key == VK_SPACE; }

}  // namespace

void CSelectMacroDialog::CreateControls(const CSkinBuilder& skin) {
  skin.AddButton(ok_, kKeyOk);
  skin.AddButton(cancel_, kKeyCancel);
  skin.AddButton(close_, kKeyClose);
  skin.AddButton(dropDown_, kKeyDropDown);
  for (int i = 0; i < 3; ++i) skin.AddButton(modes_[i], kKeyFirstMode + i);
}

void CSelectMacroDialog::OnInitDialog() {
  menuFont_.Reset(CreateSkinTextFont());
  SetPlayMode(playMode);
  ShowMacroName();
}

bool CSelectMacroDialog::OnCommandFrom(HWND control, int id, int) {
  if (control == nullptr) {  // a menu choice
    const int n = MacroFromCommand(static_cast<unsigned>(id), store_.Count());
    if (n < 0) return false;
    ChooseMacro(n);
    return true;
  }
  if (control == ok_.Hwnd()) {
    EndModal(IDOK);
    return true;
  }
  if (control == cancel_.Hwnd() || control == close_.Hwnd()) {
    EndModal(IDCANCEL);
    return true;
  }
  if (control == dropDown_.Hwnd()) {
    OnDropDown();
    return true;
  }
  for (int i = 0; i < 3; ++i) {
    if (control != modes_[i].Hwnd()) continue;
    SetPlayMode(i);
    return true;
  }
  return false;
}

LRESULT CSelectMacroDialog::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  // Esc, Enter and Space must neither close the dialog nor press a button.
  switch (msg) {
    case WM_KEYDOWN:
    case WM_KEYUP:
      if (IsSwallowedKey(wp)) return 0;
      break;
    case WM_CHAR:
      if (wp == 27 || wp == '\r' || wp == ' ') return 0;
      break;
    default: break;
  }
  return CSkinDialog::HandleMessage(msg, wp, lp);
}

void CSelectMacroDialog::OnDropDown() {
  CSkinMenu menu(menuFont_.Get());
  menu.SetWidth(kMenuWidth);
  menu.SetBackColors(RGB(30, 30, 30), RGB(230, 20, 20));
  menu.SetLineColor(RGB(230, 20, 20));
  menu.SetTextColors(RGB(255, 255, 255), RGB(255, 255, 255));
  for (int n = 0; n < store_.Count(); ++n)
    if (const MacroRecord* record = store_.Get(n))
      menu.AppendItem(kMacroMenuFirstCommand + static_cast<unsigned>(n), TrimmedMacroName(*record));
  RECT r{};
  GetWindowRect(dropDown_.Hwnd(), &r);
  menu.Show(Hwnd(), r.left + 1, r.bottom);
  dropDown_.SetHover(false);  // the menu took the mouse away from it
}

void CSelectMacroDialog::ChooseMacro(int n) {
  const MacroRecord* record = store_.Get(n);
  if (!record) return;
  position = n;
  CopyMacroToSlot(*record, scratch_);
  ShowMacroName();
}

void CSelectMacroDialog::SetPlayMode(int mode) {
  playMode = mode;
  for (int i = 0; i < 3; ++i) modes_[i].SetHeldDown(i == mode);
}

void CSelectMacroDialog::ShowMacroName() {
  const size_t length = strnlen(scratch_.macroName, sizeof scratch_.macroName);
  dropDown_.SetCaption(std::string(scratch_.macroName, length));
}
