#include "option/pages/shortcut_dialog_win32.h"

#include "settings/key_table.h"
#include "settings/system_names.h"

namespace {

constexpr int kKeyDisplayId = 4010;
constexpr WPARAM kKeyReleased = 0x80;

// The window the hook reports to. Low-level hooks run on the installing
// thread, and only one shortcut dialog is open at a time.
HWND g_hookTarget = nullptr;

}  // namespace

CShortcutDialog::~CShortcutDialog() { RemoveHook(); }

INT_PTR CShortcutDialog::DoModal(HWND owner) {
  return CSkinDialog::DoModal(owner, names::kShortcutDialogTitle);
}

void CShortcutDialog::CreateControls(const SkinBuilder& skin) {
  const Placement at = skin.Place(10);
  display_.Create(skin.Dialog(), RECT{at.left, at.top, at.right, at.bottom}, kKeyDisplayId,
                  ES_CENTER | ES_AUTOHSCROLL);
  display_.ApplyFont();
  skin.AddButton(ok_, 2);
  skin.AddButton(cancel_, 3);
  skin.AddButton(close_, 4);
  for (int i = 0; i < kShortcutOptionCount; ++i) {
    skin.AddButton(toggles_[i], 5 + i);
    toggles_[i].SetToggleMode(true);
  }
}

void CShortcutDialog::OnInitDialog() {
  InstallHook();
  int virtualKey = 0;
  UsageToVirtualKey(keyCode, virtualKey);
  ShowKeyName(virtualKey);
  ApplyToggles();
}

void CShortcutDialog::InstallHook() {
  RemoveHook();
  g_hookTarget = Hwnd();
  hook_.Reset(SetWindowsHookExA(WH_KEYBOARD_LL, HookProc, GetModuleHandleA(nullptr), 0));
}

void CShortcutDialog::RemoveHook() {
  if (!hook_) return;
  hook_.Reset();
  g_hookTarget = nullptr;
}

LRESULT CALLBACK CShortcutDialog::HookProc(int code, WPARAM wp, LPARAM lp) {
  if (code != HC_ACTION || !g_hookTarget) return CallNextHookEx(nullptr, code, wp, lp);
  const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lp);
  const WPARAM released = (key->flags & LLKHF_UP) ? kKeyReleased : 0;
  PostMessageA(g_hookTarget, MSG_HOOK_KEY, key->vkCode, released);
  return 1;  // swallowed: no program sees the key while the dialog is open
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
    case WM_DESTROY: RemoveHook(); break;
    default: break;
  }
  return CSkinDialog::HandleMessage(msg, wp, lp);
}
