#include "option/pages/profile_name_dialog_win32.h"

#include <vector>

#include "option/pages/profile_fields.h"
#include "option/pages/program_browse_win32.h"

namespace {

// The BUTTONPOS keys of the dialog's skin.
enum SkinKey {
  kKeyName = 1,
  kKeyProgram = 2,
  kKeyBrowse = 3,
  kKeyOk = 4,
  kKeyCancel = 5,
  kKeyClose = 6,
};

constexpr int kFieldId = 4010;
// GameFile keeps its NUL.
constexpr int kGameFileLimit = static_cast<int>(sizeof(Profile::GameFile)) - 1;

std::string TextOf(HWND field) {
  const int length = GetWindowTextLengthA(field);
  if (length <= 0) return {};
  std::vector<char> buffer(static_cast<size_t>(length) + 1, '\0');
  const int got = GetWindowTextA(field, buffer.data(), length + 1);
  return std::string(buffer.data(), static_cast<size_t>(got > 0 ? got : 0));
}

// The profile's strings may lack their NUL when read from a damaged file.
std::string BoundedString(const char* text, size_t capacity) {
  size_t n = 0;
  while (n < capacity && text[n]) ++n;
  return std::string(text, n);
}

}  // namespace

INT_PTR CProfileNameDialog::DoModal(HWND owner) { return CSkinDialog::DoModal(owner, ""); }

void CProfileNameDialog::CreateControls(const CSkinBuilder& skin) {
  name_.Create(skin.Dialog(), RectOf(skin.Place(kKeyName)), kFieldId);
  program_.Create(skin.Dialog(), RectOf(skin.Place(kKeyProgram)), kFieldId);
  name_.ApplyFont();
  program_.ApplyFont();
  skin.AddButton(browse_, kKeyBrowse);
  skin.AddButton(ok_, kKeyOk);
  skin.AddButton(cancel_, kKeyCancel);
  skin.AddButton(close_, kKeyClose);
}

void CProfileNameDialog::OnInitDialog() {
  if (name_.Hwnd()) SendMessageA(name_.Hwnd(), EM_LIMITTEXT, kProfileNameLimit, 0);
  if (program_.Hwnd()) SendMessageA(program_.Hwnd(), EM_LIMITTEXT, kGameFileLimit, 0);
  if (mode_ != kEditing) return;
  const std::string name = BoundedString(profile_.ProFileName, sizeof profile_.ProFileName);
  const std::string program = BoundedString(profile_.GameFile, sizeof profile_.GameFile);
  SetWindowTextA(name_.Hwnd(), name.c_str());
  SetWindowTextA(program_.Hwnd(), program.c_str());
}

bool CProfileNameDialog::OnCommandFrom(HWND control, int, int) {
  if (!control) return false;
  if (control == browse_.Hwnd()) {
    OnBrowse();
    return true;
  }
  if (control == ok_.Hwnd()) {
    OnOk();
    return true;
  }
  if (control == cancel_.Hwnd() || control == close_.Hwnd()) {
    EndModal(IDCANCEL);
    return true;
  }
  return false;
}

void CProfileNameDialog::OnBrowse() {
  const std::string file = BrowseForProgram(Hwnd());
  // A path the profile cannot hold is not offered: the field keeps its text.
  if (file.empty() || file.size() > static_cast<size_t>(kGameFileLimit)) return;
  SetWindowTextA(program_.Hwnd(), file.c_str());
}

void CProfileNameDialog::OnOk() {
  StoreProfileName(profile_, TextOf(name_.Hwnd()));
  programStored_ = StoreGameFile(profile_, TextOf(program_.Hwnd()));
  EndModal(IDOK);
}
