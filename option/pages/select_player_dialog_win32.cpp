#include "option/pages/select_player_dialog_win32.h"

#include <string>

#include "option/pages/player_choice.h"
#include "option/skin/skin_font_win32.h"
#include "option/skin/skin_menu_win32.h"

namespace {

// The BUTTONPOS keys of the dialog's skin.
enum SkinKey { kKeyDropDown = 1, kKeyOk = 2, kKeyCancel = 3, kKeyClose = 4 };

constexpr int kMenuWidth = 149;

}  // namespace

void CSelectPlayerDialog::CreateControls(const CSkinBuilder& skin) {
  skin.AddButton(dropDown_, kKeyDropDown);
  skin.AddButton(ok_, kKeyOk);
  skin.AddButton(cancel_, kKeyCancel);
  skin.AddButton(close_, kKeyClose);
}

void CSelectPlayerDialog::OnInitDialog() {
  menuFont_.Reset(CreateSkinTextFont());
  ShowPlayer();
}

bool CSelectPlayerDialog::OnCommandFrom(HWND control, int id, int) {
  if (control == nullptr) {  // a menu choice
    const int chosen = PlayerFromCommand(static_cast<unsigned>(id));
    if (chosen < 0) return false;
    player = chosen;
    ShowPlayer();
    return true;
  }
  if (control == dropDown_.Hwnd()) {
    OnDropDown();
  } else if (control == ok_.Hwnd()) {
    EndModal(IDOK);
  } else if (control == cancel_.Hwnd() || control == close_.Hwnd()) {
    EndModal(IDCANCEL);
  } else {
    return false;
  }
  return true;
}

void CSelectPlayerDialog::OnDropDown() {
  CSkinMenu menu(menuFont_.Get());
  menu.SetWidth(kMenuWidth);
  for (const PlayerMenuEntry& e : PlayerMenuEntries())
    menu.AppendItem(e.command, PlayerName(e.player));
  RECT r{};
  GetWindowRect(dropDown_.Hwnd(), &r);
  menu.Show(Hwnd(), r.left, r.bottom);
  dropDown_.SetHover(false);  // the menu took the mouse away from it
}

void CSelectPlayerDialog::ShowPlayer() { dropDown_.SetCaption(std::string(PlayerName(player))); }
