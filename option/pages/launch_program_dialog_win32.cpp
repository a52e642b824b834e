#include "option/pages/launch_program_dialog_win32.h"

#include "option/pages/program_browse_win32.h"
#include "option/pages/program_path.h"

namespace {

// The BUTTONPOS keys of the dialog's skin.
enum SkinKey { kKeyPath = 1, kKeyBrowse = 2, kKeyOk = 3, kKeyCancel = 4, kKeyClose = 5 };

constexpr int kPathFieldId = 4010;

}  // namespace

void CLaunchProgramDialog::CreateControls(const CSkinBuilder& skin) {
  field_.Create(skin.Dialog(), RectOf(skin.Place(kKeyPath)), kPathFieldId, ES_AUTOHSCROLL);
  field_.ApplyFont();
  skin.AddButton(browse_, kKeyBrowse);
  skin.AddButton(ok_, kKeyOk);
  skin.AddButton(cancel_, kKeyCancel);
  skin.AddButton(close_, kKeyClose);
}

void CLaunchProgramDialog::OnInitDialog() {
  // The field has no length limit of its own; OK checks what the slot can keep.
  SendMessageA(field_.Hwnd(), EM_SETLIMITTEXT, 0, 0);
  SetWindowTextA(field_.Hwnd(), path.c_str());
}

bool CLaunchProgramDialog::OnCommandFrom(HWND control, int, int) {
  if (control == nullptr) return false;
  if (control == browse_.Hwnd()) {
    OnBrowse();
  } else if (control == ok_.Hwnd()) {
    OnOk();
  } else if (control == cancel_.Hwnd() || control == close_.Hwnd()) {
    EndModal(IDCANCEL);
  } else {
    return false;
  }
  return true;
}

void CLaunchProgramDialog::OnBrowse() {
  const std::string file = BrowseForProgram(Hwnd());
  if (file.empty()) return;  // cancelled: the field stays as it was
  SetWindowTextA(field_.Hwnd(), file.c_str());
}

void CLaunchProgramDialog::OnOk() {
  std::string text = FieldText();
  // A longer path would not fit the button's program field: keep the dialog
  // open so it can be shortened rather than storing a cut-off path.
  if (!FitsProgramField(text)) {
    MessageBeep(MB_ICONWARNING);
    SetFocus(field_.Hwnd());
    return;
  }
  path = std::move(text);
  EndModal(IDOK);
}

std::string CLaunchProgramDialog::FieldText() const {
  const int length = GetWindowTextLengthA(field_.Hwnd());
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const int got = GetWindowTextA(field_.Hwnd(), text.data(), length + 1);
  text.resize(static_cast<size_t>(got > 0 ? got : 0));
  return text;
}
