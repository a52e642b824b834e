#include "option/app/main_dialog_win32.h"

#include <commdlg.h>
#include <shellapi.h>

#include <cstring>

#include "option/app/program_icon_win32.h"
#include "option/pages/button_dialogs_win32.h"
#include "option/pages/button_label.h"
#include "option/pages/menu_tree_win32.h"
#include "option/pages/profile_name_dialog_win32.h"
#include "option/skin/confirm_dialogs_win32.h"
#include "option/skin/control_messages.h"
#include "option/skin/menu_painter_win32.h"
#include "option/skin/skin_font_win32.h"
#include "option/skin/skin_state.h"
#include "settings/profile_files.h"
#include "settings/profile_record.h"
#include "settings/system_names.h"

namespace {

// The maker's site, opened by the web-site control.
constexpr wchar_t kWebSite[] = L"https://www.vantel-kestrel.example/osprey-arena";

constexpr wchar_t kProfileFilter[] = L"Gaming Mouse Profile(*.gmp)\0*.gmp\0";

// The BUTTONPOS keys of the main dialog's skin.
enum SkinKey {
  kKeyNewName = 1,
  kKeyImport = 2,
  kKeyExport = 3,
  kKeyEditName = 4,
  kKeyFirstProfile = 5,  // one key each, in profile order
  kKeyMinimise = 10,
  kKeyClose = 11,
  kKeyOk = 12,
  kKeyCancel = 13,
  kKeyApply = 14,
  kKeyFirstButton = 20,  // one key each, in button order
  kKeyRightHanded = 35,
  kKeyLeftHanded = 36,
  kKeyPageArea = 42,  // a rectangle only: where the pages go
  kKeyHelp = 43,
  kKeyResetCurrent = 44,
  kKeyResetAll = 45,
  kKeyWebSite = 46,
};

// Page-switch keys of the skin, in the order of CMainDialog::Page.
constexpr int kPageKeys[CMainDialog::kPageCount] = {47, 37, 38, 39, 40};

}  // namespace

CMainDialog::CMainDialog(std::filesystem::path installFolder, COptionPartners& partners,
                         COptionFiles& files, CMacroStore& store, const CCaptions& captions)
    : CSkinDialog("skin_main.ini"),
      folder_(std::move(installFolder)),
      store_(store),
      captions_(captions),
      core_(*this, partners, files, folder_),
      pageContext_{core_.Working(),
                   store_,
                   folder_,
                   [this](int id) { return captions_.Get(id); },
                   [this] { Refresh(kPageButtons); },
                   [this] { Refresh(kPageButtons | kPageMacros); }} {}

void CMainDialog::Start(bool monitorRunning) {
  store_.Clear();
  store_.Load(folder_);
  ReadOverlaySetting(folder_, core_.Overlay(), false);
  core_.Start(monitorRunning, [](Profile& p) { DefaultSystemSettingsStore().Read(p); });
}

void CMainDialog::CreateControls(const CSkinBuilder& skin) {
  skin.AddButton(newName_, kKeyNewName);
  skin.AddButton(import_, kKeyImport);
  skin.AddButton(export_, kKeyExport);
  skin.AddButton(editName_, kKeyEditName);
  for (int p = 0; p < kProfileCount; ++p) skin.AddButton(profiles_[p], kKeyFirstProfile + p);
  skin.AddButton(minimise_, kKeyMinimise);
  skin.AddButton(close_, kKeyClose);
  skin.AddButton(ok_, kKeyOk);
  skin.AddButton(cancel_, kKeyCancel);
  skin.AddButton(apply_, kKeyApply);
  for (int b = 0; b < kMenuButtonCount; ++b) skin.AddButton(buttons_[b], kKeyFirstButton + b);
  skin.AddButton(rightHanded_, kKeyRightHanded);
  skin.AddButton(leftHanded_, kKeyLeftHanded);
  for (int p = 0; p < kPageCount; ++p) skin.AddButton(pageSwitches_[p], kPageKeys[p]);
  skin.AddButton(help_, kKeyHelp);
  skin.AddButton(resetCurrent_, kKeyResetCurrent);
  skin.AddButton(resetAll_, kKeyResetAll);
  skin.AddButton(webSite_, kKeyWebSite);
  const Placement page = skin.Place(kKeyPageArea);
  pageRect_ = RectOf(page);
}

void CMainDialog::SetPage(Page page, std::unique_ptr<COptionPage> content) {
  pages_[page] = std::move(content);
}

void CMainDialog::OnInitDialog() {
  SetWindowTextA(Hwnd(), names::kOptionTitle);
  SetProgramIcons(Hwnd());
  SetHelpTextWindow(reinterpret_cast<uintptr_t>(Hwnd()));
  // Its own taskbar button with a system menu.
  SetWindowLongPtrA(Hwnd(), GWL_EXSTYLE, GetWindowLongPtrA(Hwnd(), GWL_EXSTYLE) | WS_EX_APPWINDOW);
  SetWindowLongPtrA(Hwnd(), GWL_STYLE, GetWindowLongPtrA(Hwnd(), GWL_STYLE) | WS_SYSMENU | WS_MINIMIZEBOX);
  menuFont_.Reset(CreateSkinTextFont());
  for (auto& page : pages_)
    if (page) page->Create(Hwnd(), pageRect_);
  for (int p = 0; p < kPageCount; ++p) pageSwitches_[p].SetHeldDown(p == visiblePage_);
  Refresh(kPageAll);
  // The first page is made with the dialog, while both are still hidden:
  // made once the dialog was on the screen, its controls took several times
  // longer under Wine, and Option's start is over only when it shows.
  ShowPage(visiblePage_);
}

// The menu painter's hook sees every message sent in this thread, and under
// Wine that made each of the forty-odd controls several times slower to make
// and the window slower to show. No menu can open before the window is up, so
// the painter goes in now rather than at the program's start; Option removes
// it when it ends.
void CMainDialog::OnShown() {
  InstallMenuPainter();
}

void CMainDialog::SetApplying(bool on) {
  if (on) {
    SetCapture(Hwnd());
    SetCursor(LoadCursor(nullptr, IDC_WAIT));
  } else {
    SetCursor(LoadCursor(nullptr, IDC_ARROW));
    if (GetCapture() == Hwnd()) ReleaseCapture();
  }
  EnableWindow(ok_.Hwnd(), !on);
  EnableWindow(apply_.Hwnd(), !on);
}

void CMainDialog::Refresh(unsigned pages) {
  if (!IsCreated()) return;
  const int current = core_.Working().CurrentProfile;
  for (int p = 0; p < kProfileCount; ++p) profiles_[p].SetHeldDown(p == current);
  // The button controls follow the profile too, or they would name the
  // functions of the profile shown before.
  RelabelButtons();
  const unsigned mask[kPageCount] = {kPageButtons, kPageMacros, kPageLighting, kPagePerformance,
                                     kPageDpi};
  for (int p = 0; p < kPageCount; ++p)
    if (pages_[p] && (pages & mask[p])) pages_[p]->Refresh();
}

void CMainDialog::ShowPage(Page page) {
  visiblePage_ = page;
  for (int p = 0; p < kPageCount; ++p) {
    pageSwitches_[p].SetHeldDown(p == page);
    if (pages_[p]) pages_[p]->Show(p == page);
  }
}

void CMainDialog::RelabelButtons() {
  const Profile& profile = core_.CurrentProfile();
  for (int b = 0; b < kMenuButtonCount; ++b) {
    buttons_[b].SetCaption(ButtonLabel(profile.MacroKeyInfo[b], pageContext_.caption));
    InvalidateRect(buttons_[b].Hwnd(), nullptr, FALSE);
  }
}

bool CMainDialog::OnCommandFrom(HWND control, int id, int) {
  if (!control) {  // a menu command
    if (menuButton_ >= 0) OnFunctionCommand(static_cast<unsigned>(id));
    return true;
  }
  for (int p = 0; p < kProfileCount; ++p)
    if (control == profiles_[p].Hwnd()) return core_.SelectProfile(p), true;
  for (int b = 0; b < kMenuButtonCount; ++b)
    if (control == buttons_[b].Hwnd()) return OpenFunctionMenu(b), true;
  for (int p = 0; p < kPageCount; ++p)
    if (control == pageSwitches_[p].Hwnd()) return ShowPage(static_cast<Page>(p)), true;

  if (control == newName_.Hwnd() || control == editName_.Hwnd()) {
    CProfileNameDialog names(core_.CurrentProfile(), control == newName_.Hwnd()
                                                          ? CProfileNameDialog::kBlank
                                                          : CProfileNameDialog::kEditing);
    names.DoModal(Hwnd());
  } else if (control == import_.Hwnd()) {
    Import();
  } else if (control == export_.Hwnd()) {
    Export();
  } else if (control == minimise_.Hwnd()) {
    ShowWindow(Hwnd(), SW_MINIMIZE);
  } else if (control == close_.Hwnd() || control == cancel_.Hwnd()) {
    if (GetCapture() == Hwnd()) ReleaseCapture();
    EndModal(IDCANCEL);
  } else if (control == ok_.Hwnd()) {
    core_.Apply(ApplyMode::Compare);
    EndModal(IDOK);
  } else if (control == apply_.Hwnd()) {
    core_.Apply(ApplyMode::Compare);
  } else if (control == rightHanded_.Hwnd() || control == leftHanded_.Hwnd()) {
    const int orientation = control == leftHanded_.Hwnd() ? 1 : 0;
    core_.SetOrientation(orientation);
    rightHanded_.SetHeldDown(orientation == 0);
    leftHanded_.SetHeldDown(orientation == 1);
  } else if (control == help_.Hwnd()) {
    OpenShell((folder_ / "User Manual.pdf").native());
  } else if (control == webSite_.Hwnd()) {
    OpenShell(kWebSite);
  } else if (control == resetCurrent_.Hwnd()) {
    CResetCurrentWarnDialog confirm;
    if (confirm.DoModal(Hwnd()) == IDOK) core_.ResetCurrentProfile();
  } else if (control == resetAll_.Hwnd()) {
    CResetAllWarnDialog confirm;
    if (confirm.DoModal(Hwnd()) == IDOK) core_.ResetAllProfiles();
  } else {
    return false;
  }
  return true;
}

void CMainDialog::OpenFunctionMenu(int button) {
  menuButton_ = button;
  scratch_ = core_.CurrentProfile().MacroKeyInfo[button];
  std::vector<std::string> names;
  for (int i = 0; i < store_.Count(); ++i) names.emplace_back(store_.Get(i)->name);

  RECT r;
  GetWindowRect(buttons_[button].Hwnd(), &r);
  ShowMenuTree(Hwnd(), r.left, r.bottom, menuFont_.Get(), BuildFunctionMenu(scratch_, names),
               pageContext_.caption);
  buttons_[button].SetHover(false);
  SetFocus(Hwnd());
}

void CMainDialog::OnFunctionCommand(unsigned command) {
  const int button = menuButton_;
  menuButton_ = -1;
  CButtonDialogs dialogs(Hwnd(), pageContext_, scratch_);
  // The macro manager may have changed the store and, through it, any button.
  if (core_.ChooseFunction(button, command, store_, dialogs))
    Refresh(command == kCmdMacroManager ? kPageButtons | kPageMacros : kPageButtons);
}

std::filesystem::path CMainDialog::ProfileFileDialog(bool save) {
  // Room for the longest path the dialog can give back; it opens in config\.
  std::wstring file = (folder_ / "config" / ".gmp").native();
  file.resize(32768, L'\0');
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = Hwnd();
  ofn.lpstrFilter = kProfileFilter;
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = static_cast<DWORD>(file.size());
  ofn.lpstrDefExt = L"gmp";
  ofn.Flags = save ? OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY : OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
  const BOOL ok = save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
  return ok ? std::filesystem::path(file.c_str()) : std::filesystem::path();
}

void CMainDialog::Import() { core_.ImportProfile(ProfileFileDialog(false)); }

void CMainDialog::Export() { core_.ExportProfile(ProfileFileDialog(true)); }

void CMainDialog::OpenShell(const std::wstring& target) {
  ShellExecuteW(Hwnd(), L"open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

LRESULT CMainDialog::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case MSG_PROFILE_CHANGED: core_.OnProfileChanged(); return 0;
    case MSG_APPLY_DONE: core_.ApplyDone(); return 0;
    case MSG_DEVICE_CHANGED: core_.OnDeviceChanged(); return 0;
    case MSG_RELOAD_ALL:
      core_.OnReloadAll();
      InvalidateRect(Hwnd(), nullptr, FALSE);
      return 0;
    case MSG_OPTION_IGNORED:
    case WM_SKIN_HELPTEXT: return 0;
    case WM_SETCURSOR:
      if (core_.Applying()) return SetCursor(LoadCursor(nullptr, IDC_WAIT)), TRUE;
      break;
  }
  return CSkinDialog::HandleMessage(msg, wp, lp);
}
