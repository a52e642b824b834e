#include "option/pages/shortcut_dialog_win32.h"

#include "settings/key_table.h"
#include "settings/system_names.h"

namespace {

// The BUTTONPOS keys of the dialog's skin.
enum SkinKey { kKeyOk = 2, kKeyCancel = 3, kKeyClose = 4, kKeyFirstOption = 5, kKeyDisplay = 10 };

constexpr int kKeyDisplayId = 4010;

}  // namespace

CShortcutDialog::~CShortcutDialog() { capture_.Remove(); }

INT_PTR CShortcutDialog::DoModal(HWND owner) {
  return CSkinDialog::DoModal(owner, names::kShortcutDialogTitle);
}

void CShortcutDialog::CreateControls(const CSkinBuilder& skin) {
  const Placement at = skin.Place(kKeyDisplay);
  display_.Create(skin.Dialog(), RectOf(at), kKeyDisplayId, ES_CENTER | ES_AUTOHSCROLL);
  display_.ApplyFont();
  skin.AddButton(ok_, kKeyOk);
  skin.AddButton(cancel_, kKeyCancel);
  skin.AddButton(close_, kKeyClose);
  for (int i = 0; i < kShortcutOptionCount; ++i) {
    skin.AddButton(toggles_[i], kKeyFirstOption + i);
    toggles_[i].SetToggleMode(true);
  }
}

void CShortcutDialog::OnInitDialog() {
  capture_.Install(Hwnd());
  int virtualKey = 0;
  UsageToVirtualKey(keyCode, virtualKey);
  ShowKeyName(virtualKey);
  ApplyToggles();
}

void CShortcutDialog::OnHookKey(int virtualKey) {
  int usage = 0;
  VirtualKeyToUsage(virtualKey, usage);
  keyCode = static_cast<uint8_t>(usage > 0 && usage < 256 ? usage : 0);
  ShowKeyName(virtualKey);
}

void CShortcutDialog::ShowKeyName(int virtualKey) {
  if (!display_.Hwnd()) return;
  const std::string name = virtualKey ? KeyName(virtualKey) : std::string();
  SetWindowTextA(display_.Hwnd(), name.c_str());
}

void CShortcutDialog::ApplyToggles() {
  const ShortcutToggleView view = ShortcutToggles(options);
  for (int i = 0; i < kShortcutOptionCount; ++i) {
    toggles_[i].SetHeldDown(view.heldDown[i]);
    if (toggles_[i].Hwnd()) EnableWindow(toggles_[i].Hwnd(), view.enabled[i]);
  }
}

bool CShortcutDialog::OnCommandFrom(HWND control, int, int) {
  if (!control) return false;
  if (control == ok_.Hwnd()) {
    EndModal(IDOK);
    return true;
  }
  if (control == cancel_.Hwnd() || control == close_.Hwnd()) {
    EndModal(IDCANCEL);
    return true;
  }
  for (int i = 0; i < kShortcutOptionCount; ++i) {
    if (control != toggles_[i].Hwnd()) continue;
    options[i] = toggles_[i].HeldDown();  // toggle mode flipped it before telling us
    ApplyToggles();
    return true;
  }
  return false;
}

LRESULT CShortcutDialog::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case MSG_HOOK_KEY: OnHookKey(static_cast<int>(wp)); return 0;
    case WM_DESTROY: capture_.Remove(); break;
    default: break;
  }
  return CSkinDialog::HandleMessage(msg, wp, lp);
}
