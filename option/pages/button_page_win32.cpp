#include "option/pages/button_page_win32.h"

#include "option/pages/button_dialogs_win32.h"
#include "option/pages/menu_tree_win32.h"
#include "option/skin/skin_font_win32.h"

namespace {
constexpr int kFirstKey = 20;  // BUTTONPOS key of button 0
}

bool CButtonPage::Create(HWND parent, const RECT& where) {
  parent_ = parent;
  where_ = where;
  return true;
}

void CButtonPage::Show(bool visible) {
  if (visible && !IsCreated()) {
    if (skinMissing_) return;
    // The state pictures are cut on their own thread once the page is painted.
    if (!PreloadPictures() || !CreatePage(parent_, where_.left, where_.top)) {
      skinMissing_ = true;
      return;
    }
    RefreshLabels();
  }
  CSkinDialog::Show(visible);
}

void CButtonPage::CreateControls(const CSkinBuilder& skin) {
  for (int b = 0; b < kButtonPageButtons; ++b) skin.AddButton(buttons_[b], kFirstKey + b);
}

void CButtonPage::OnInitDialog() { menuFont_.Reset(CreateSkinTextFont()); }

void CButtonPage::RefreshLabels() {
  if (!IsCreated()) return;
  const Profile& profile = context_.CurrentProfile();
  for (int b = 0; b < kButtonPageButtons; ++b) {
    buttons_[b].SetCaption(ButtonLabel(profile.MacroKeyInfo[b], context_.caption));
    UpdateWindow(buttons_[b].Hwnd());
  }
}

bool CButtonPage::OnCommandFrom(HWND control, int id, int) {
  if (!control) {  // a menu command
    if (menuButton_ < 0 || id < 1001 || id > 4000) return false;
    OnMenuCommand(static_cast<unsigned>(id));
    return true;
  }
  for (int b = 0; b < kButtonPageButtons; ++b)
    if (control == buttons_[b].Hwnd()) return OpenMenu(b), true;
  return false;
}

void CButtonPage::OpenMenu(int button) {
  if (!guard_.MayOpen(GetTickCount())) return;
  menuButton_ = button;
  context_.scratch = context_.CurrentProfile().MacroKeyInfo[button];
  RECT r{};
  GetWindowRect(buttons_[button].Hwnd(), &r);
  ShowMenuTree(Hwnd(), r.left, r.bottom, menuFont_.Get(), BuildButtonPageMenu(button),
               context_.caption, kButtonMenuWidth);
  buttons_[button].SetHover(false);
  SetFocus(Hwnd());
  guard_.Closed(GetTickCount());
}

void CButtonPage::OnMenuCommand(unsigned command) {
  const int button = menuButton_;
  menuButton_ = -1;
  CButtonDialogs dialogs(Hwnd(), context_, context_.scratch);
  AssignButton(context_.working, context_.CurrentIndex(), button, command, context_.store,
               context_.scratch, dialogs);
  // The pointer may have rested on the button while a dialog was open.
  buttons_[button].SetHover(false);
  // Labels come back in every case: the macro chooser and the macro manager
  // may have changed other buttons too.
  if (command == kCmdMacroManager) {
    if (context_.storeChanged) context_.storeChanged();
  } else if (context_.buttonsChanged) {
    context_.buttonsChanged();
  }
  RefreshLabels();
}
