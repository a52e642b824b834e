#include "option/skin/skin_dialog_win32.h"

#include <windowsx.h>

#include "option/skin/child_messages_win32.h"
#include "option/skin/control_messages.h"
#include "option/skin/skin_button_win32.h"
#include "option/skin/skin_image_win32.h"
#include "option/skin/skin_pictures_win32.h"
#include "option/skin/skin_state.h"

namespace {
const WindowClass kDialogClass{"OspreySkinDialog", CS_DBLCLKS};
}

Placement CSkinBuilder::AddButton(CSkinButton& button, std::string_view key) const {
  const Placement p = Place(key);
  const RECT r = RectOf(p);
  if (button.Create(dialog_, r, 0)) {
    CutPictures(button, r);
    button.SetHeldDown(p.initiallyDown);
    button.SetHelpText(p.text);
  }
  return p;
}

void CSkinBuilder::CutPictures(CSkinPictureTarget& control, const RECT& r) const {
  control.SetImages(r.left, r.top, r.right, r.bottom, Normal(), Over(), Down(), Disabled());
  if (later_) later_->push_back({&control, r});
}

Placement CSkinBuilder::AddButton(CSkinButton& button, int key) const {
  return AddButton(button, std::to_string(key));
}

INT_PTR CSkinDialog::DoModal(HWND owner, const char* title) {
  owner = RootOf(owner);  // a page passing itself means the window that holds it
  modalEnded_ = false;
  modalResult_ = IDCANCEL;
  if (!ReadSkinFiles()) return IDCANCEL;
  preload_ = std::make_unique<CSkinPicturesLoader>(files_.pictures);
  if (!CreateTopLevel(owner, title)) {
    preload_.reset();
    if (fault_) ReportSkinFault(*fault_);
    return IDCANCEL;
  }
  if (owner) CenterOver(owner);
  ShowWindow(Hwnd(), SW_SHOW);
  SetForegroundWindow(Hwnd());
  OnShown();
  const bool ownerWasEnabled = owner && IsWindowEnabled(owner);
  if (ownerWasEnabled) EnableWindow(owner, FALSE);

  MSG msg;
  while (!modalEnded_ && Hwnd()) {
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));  // for the outer loop
      break;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  // Re-enable the owner before the dialog goes, so activation returns to it.
  if (ownerWasEnabled) EnableWindow(owner, TRUE);
  if (owner) SetActiveWindow(owner);
  Destroy();
  return modalResult_;
}

void CSkinDialog::EndModal(INT_PTR result) {
  modalResult_ = result;
  modalEnded_ = true;
  if (Hwnd()) PostMessageA(Hwnd(), WM_NULL, 0, 0);  // wake the loop
}

bool CSkinDialog::CreateTopLevel(HWND owner, const char* title) {
  const DWORD exStyle = owner ? 0 : WS_EX_APPWINDOW;
  return CreateWindowOf(kDialogClass, exStyle, WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU, 0, 0, 0, 0,
                        owner, 0, title);
}

bool CSkinDialog::CreatePage(HWND parent, int x, int y) {
  // Preloaded pictures come with their skin files read.
  if (!preload_ && !ReadSkinFiles()) return false;
  if (!CreateWindowOf(kDialogClass, WS_EX_CONTROLPARENT, WS_CHILD | WS_CLIPCHILDREN, 0, 0, 0, 0,
                      parent, 0)) {
    if (fault_) ReportSkinFault(*fault_);
    return false;
  }
  if (x || y) SetWindowPos(Hwnd(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return true;
}

bool CSkinDialog::PreloadPictures() {
  if (preload_) return true;
  if (!ReadSkinFiles()) return false;
  preload_ = std::make_unique<CSkinPicturesLoader>(files_.pictures);
  return true;
}

void CSkinDialog::Show(bool visible) {
  if (Hwnd()) ShowWindow(Hwnd(), visible ? SW_SHOW : SW_HIDE);
}

bool CSkinDialog::IsPage() const {
  return Hwnd() && (GetWindowLongA(Hwnd(), GWL_STYLE) & WS_CHILD);
}

bool CSkinDialog::ReadSkinFiles() {
  fault_.reset();
  files_ = SkinFiles::Read(skinFileName_);
  if (!SkinFaultsStopDialogs()) return true;
  fault_ = files_.Missing();
  if (fault_) ReportSkinFault(*fault_);
  return !fault_;
}

bool CSkinDialog::LoadSkin(CRegion& outline) {
  const bool stop = SkinFaultsStopDialogs();
  const CSkinDescription& skin = files_.skin;
  if (!preload_) {
    SkinPictures pictures = SkinPictures::Load(files_.pictures);
    if (pictures.fault && stop) return fault_ = pictures.fault, false;
    mask_ = std::move(pictures.mask);
    TakeBackground(std::move(pictures.normal), pictures.size);
    CreateControls(CSkinBuilder(Hwnd(), skin, background_.Get(), pictures.over.Get(),
                                pictures.down.Get(), pictures.disable.Get()));
    // The working pictures go here; every control holds its own cut-outs.
    outline = CRegion(RegionFromMask(mask_.Get(), RGB(255, 255, 255), 0));
    return true;
  }
  // A modal dialog's controls get their other state pictures once it is shown.
  SIZE size{};
  CSkinImage normal = preload_->TakeNormal(size);
  if (!normal && stop) return fault_ = PictureFault(files_.pictures.normal), false;
  TakeBackground(std::move(normal), size);
  pendingStates_.clear();
  statesAsked_ = false;
  CreateControls(CSkinBuilder(Hwnd(), skin, background_.Get(), pendingStates_));
  mask_ = preload_->TakeMask(outline);
  if (!mask_ && stop) return fault_ = PictureFault(files_.pictures.mask), false;
  return true;
}

void CSkinDialog::TakeBackground(CSkinImage normal, SIZE size) {
  // The background is the "Normal" picture the controls are cut from.
  background_ = std::move(normal);
  size_ = size;
  MoveWindow(Hwnd(), 0, 0, size_.cx, size_.cy, FALSE);
}

// A timer message comes only when nothing is left to paint: the controls'
// state pictures are decoded once the whole dialog is on the screen.
void CSkinDialog::AskForStatesWhenPainted() {
  if (!preload_ || statesAsked_) return;
  statesAsked_ = true;
  SetTimer(Hwnd(), TIMER_SKIN_STATES, USER_TIMER_MINIMUM, nullptr);
}

void CSkinDialog::OnStatesTimer() {
  KillTimer(Hwnd(), TIMER_SKIN_STATES);
  if (!preload_) return;
  std::vector<RECT> rects;
  for (const PendingStates& p : pendingStates_) rects.push_back(p.rect);
  preload_->CutStates(std::move(rects), Hwnd(), MSG_SKIN_STATES_READY);
}

void CSkinDialog::OnStatesReady() {
  if (!preload_) return;
  std::optional<SkinFault> fault;
  std::vector<StateImages> states = preload_->TakeStates(fault);
  preload_.reset();
  if (fault && SkinFaultsStopDialogs()) {
    ReportSkinFault(*fault);
    EndModal(IDCANCEL);
    return;
  }
  for (size_t i = 0; i < pendingStates_.size() && i < states.size(); ++i)
    pendingStates_[i].control->SetStateImages(std::move(states[i].over), std::move(states[i].down),
                                            std::move(states[i].disabled));
  pendingStates_.clear();
}

void CSkinDialog::CenterOver(HWND owner) {
  RECT o{};
  GetWindowRect(owner, &o);
  const int x = o.left + ((o.right - o.left) - size_.cx) / 2;
  const int y = o.top + ((o.bottom - o.top) - size_.cy) / 2;
  SetWindowPos(Hwnd(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CSkinDialog::OnPaint() {
  {
    CPaintDC paint(Hwnd());
    if (DrawsOver())
      PaintComposed(paint.Get());
    else
      BlitBitmap(paint.Get(), background_.Get());
  }
  AskForStatesWhenPainted();
}

void CSkinDialog::PaintComposed(HDC dc) {
  RECT rc{};
  GetClientRect(Hwnd(), &rc);
  PaintOffscreen(dc, rc, [&](HDC memory) {
    BlitBitmap(memory, background_.Get());
    PaintOver(memory);
  });
}

void CSkinDialog::OnLButtonDown(LPARAM lp) {
  if (IsPage()) return;
  // Drag by the surface: the press is answered as one on the caption.
  POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
  ClientToScreen(Hwnd(), &p);
  PostMessageA(Hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(p.x, p.y));
}

LRESULT CSkinDialog::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  LRESULT result = 0;
  if (HandleSkinChildMessage(msg, wp, lp, result)) return result;
  switch (msg) {
    case WM_CREATE: {
      CRegion outline;
      if (!LoadSkin(outline)) return -1;  // the window is not made
      if (outline) SetWindowRgn(Hwnd(), outline.Release(), TRUE);  // the window owns it from here
      OnInitDialog();
      return 0;
    }
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: OnPaint(); return 0;
    case MSG_SKIN_STATES_READY: OnStatesReady(); return 0;
    case WM_TIMER:
      if (wp != TIMER_SKIN_STATES) return Default(msg, wp, lp);
      OnStatesTimer();
      return 0;
    case WM_LBUTTONDOWN: OnLButtonDown(lp); return Default(msg, wp, lp);
    case WM_COMMAND:
      if (OnCommandFrom(reinterpret_cast<HWND>(lp), LOWORD(wp), HIWORD(wp))) return 0;
      return Default(msg, wp, lp);
    case WM_CLOSE:
      if (IsPage()) return 0;
      EndModal(IDCANCEL);
      return 0;
    case WM_DESTROY:
      mask_.Reset();
      background_.Reset();
      preload_.reset();
      pendingStates_.clear();
      return Default(msg, wp, lp);
    default: return Default(msg, wp, lp);
  }
}
