#include "option/skin/skin_button_win32.h"

#include <windowsx.h>

#include "option/skin/hover_help_win32.h"
#include "option/skin/skin_font_win32.h"
#include "option/skin/skin_image_win32.h"

namespace {
const WindowClass kButtonClass{"OspreySkinButton", CS_DBLCLKS};
}

bool CSkinButton::Create(HWND parent, const RECT& r, int id, DWORD style) {
  hover_ = (style & BS_DEFPUSHBUTTON) != 0;
  style &= ~static_cast<DWORD>(WS_TABSTOP);
  return CreateWindowOf(kButtonClass, 0, style | WS_CHILD | WS_VISIBLE, r.left, r.top,
                        r.right - r.left, r.bottom - r.top, parent, id);
}

void CSkinButton::SetImages(int left, int top, int right, int bottom, HBITMAP normal,
                            HBITMAP over, HBITMAP down, HBITMAP disabled) {
  pictures_.Cut(left, top, right, bottom, normal, over, down, disabled);
  if (Hwnd()) {
    DropFrameStyles(Hwnd());
    Redraw();
  }
}

void CSkinButton::SetStateImages(CBitmap over, CBitmap down, CBitmap disabled) {
  pictures_.SetStates(std::move(over), std::move(down), std::move(disabled));
  // Only a button in another state than normal showed a stand-in.
  if (Hwnd() && ChooseButtonImage(Look()) != ButtonImage::Normal) Redraw();
}

void CSkinButton::SetHeldDown(bool down) {
  if (down == heldDown_) return;
  heldDown_ = down;
  if (Hwnd()) Redraw();
}

void CSkinButton::SetHover(bool hover) {
  hover_ = hover;
  NotifyHover(hover);
  if (Hwnd()) Redraw();
}

void CSkinButton::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  if (Hwnd()) Redraw();
}

void CSkinButton::NotifyHover(bool hover) {
  PostMessageA(GetParent(Hwnd()), WM_SKIN_HOVER, hover ? 1 : 0, hoverId_);
  AnnounceHelpText(helpText_, hover);
}

HBITMAP CSkinButton::ImageFor(ButtonImage which) const {
  const CBitmap& image = pictures_[static_cast<int>(which)];
  return image ? image.Get() : pictures_[0].Get();
}

SIZE CSkinButton::ClientSize() const {
  RECT rc{};
  GetClientRect(Hwnd(), &rc);
  return {rc.right, rc.bottom};
}

namespace {
// One font for every caption: the main dialog alone has some forty captioned
// buttons, and making a font is not cheap.
HFONT CaptionFont() {
  static const CFont font(CreateSkinTextFont());
  return font.Get();
}
}  // namespace

void CSkinButton::Draw(HDC dc, HBITMAP image) {
  if (caption_.empty()) {
    BlitBitmap(dc, image);
    return;
  }
  // Image and caption are composed off-screen so the text never flickers.
  const SIZE size = ClientSize();
  PaintOffscreen(dc, RECT{0, 0, size.cx, size.cy}, [&](HDC memory) {
    BlitBitmap(memory, image);
    CSelectObject selectFont(memory, CaptionFont());
    SIZE text{};
    GetTextExtentPoint32A(memory, caption_.c_str(), static_cast<int>(caption_.size()), &text);
    SetBkMode(memory, TRANSPARENT);
    SetTextColor(memory, hover_ ? RGB(230, 20, 20) : RGB(255, 255, 255));
    TextOutA(memory, 10, size.cy / 2 - text.cy / 2 + 1, caption_.c_str(),
             static_cast<int>(caption_.size()));
  });
}

ButtonLook CSkinButton::Look() const {
  ButtonLook look;
  look.pressed = tracking_ && pressedInside_;
  look.disabled = Hwnd() && !IsWindowEnabled(Hwnd());
  look.toggleMode = toggleMode_;
  look.heldDown = heldDown_;
  look.hover = hover_;
  return look;
}

void CSkinButton::OnPaint() {
  CPaintDC paint(Hwnd());
  Draw(paint.Get(), ImageFor(ChooseButtonImage(Look())));
}

void CSkinButton::OnMouseMove(WPARAM keys, POINT p) {
  if (tracking_) {
    RECT rc{};
    GetClientRect(Hwnd(), &rc);
    const bool inside = PtInRect(&rc, p) != 0;
    if (inside != pressedInside_) {
      pressedInside_ = inside;
      Redraw();
    }
  }
  const bool leftHeld = (keys & MK_LBUTTON) != 0;
  if (leftHeld && !hover_) return;
  if (GetCapture() != Hwnd()) {
    if (GetActiveWindow() && GetParent(Hwnd())) {
      hover_ = true;
      NotifyHover(true);
      SetCapture(Hwnd());
      Redraw();
    }
    return;
  }
  POINT screen = p;
  ClientToScreen(Hwnd(), &screen);
  if (WindowFromPoint(screen) == Hwnd()) return;
  if (hover_) {
    hover_ = false;
    NotifyHover(false);
    Redraw();
  }
  if (!leftHeld) ReleaseCapture();
}

void CSkinButton::OnLButtonDown() {
  const HWND owner = RootOf(GetParent(Hwnd()));
  if (owner && GetActiveWindow() != owner) SetActiveWindow(owner);
  SetFocus(Hwnd());
  SetCapture(Hwnd());
  tracking_ = true;
  pressedInside_ = true;
  Redraw();
}

LRESULT CSkinButton::OnLButtonUp(POINT p) {
  const bool wasTracking = tracking_;
  tracking_ = false;
  const WPARAM command = MAKEWPARAM(GetDlgCtrlID(Hwnd()), BN_CLICKED);
  if (toggleMode_) {
    heldDown_ = !heldDown_;
    Redraw();
    SendMessageA(GetParent(Hwnd()), WM_COMMAND, command, reinterpret_cast<LPARAM>(Hwnd()));
    return 0;
  }
  RECT rc{};
  GetClientRect(Hwnd(), &rc);
  const bool inside = PtInRect(&rc, p) != 0;
  // Still over the button, the capture stays to follow the hover.
  if (GetCapture() == Hwnd() && !(inside && hover_)) ReleaseCapture();
  Redraw();
  if (wasTracking && inside)
    SendMessageA(GetParent(Hwnd()), WM_COMMAND, command, reinterpret_cast<LPARAM>(Hwnd()));
  return 0;
}

void CSkinButton::OnCaptureChanged(HWND taker) {
  if (taker == Hwnd()) return;
  // The capture is how the button sees the mouse leave: without it (another
  // window took it, or the user switched away with Alt+Tab) the hover ends
  // now. The capture is never taken back from whoever has it.
  tracking_ = false;
  if (!hover_) return;
  hover_ = false;
  NotifyHover(false);
  Redraw();
}

void CSkinButton::OnKillFocus() {
  hover_ = false;
  NotifyHover(false);
  Redraw();
}

LRESULT CSkinButton::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT: OnPaint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_MOUSEMOVE: OnMouseMove(wp, {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}); return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: OnLButtonDown(); return 0;
    case WM_LBUTTONUP: return OnLButtonUp({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
    case WM_CAPTURECHANGED: OnCaptureChanged(reinterpret_cast<HWND>(lp)); return 0;
    case WM_KILLFOCUS: OnKillFocus(); return 0;
    case WM_ENABLE: Redraw(); return 0;
    case WM_GETDLGCODE: return DLGC_BUTTON;
    default: return Default(msg, wp, lp);
  }
}

void CColorButton::NotifyHover(bool hover) {
  PostMessageA(GetParent(Hwnd()), WM_SKIN_HOVER, hover ? 1 : 0, HoverId());
}

void CColorButton::Draw(HDC dc, HBITMAP image) {
  const SIZE size = ClientSize();
  PaintOffscreen(dc, RECT{0, 0, size.cx, size.cy}, [&](HDC memory) {
    BlitBitmap(memory, image);
    // A 34 x 34 square from (1, 1) without its four corner pixels.
    const CRegion square(CreateRectRgn(1, 2, 35, 34));
    const CRegion cross(CreateRectRgn(2, 1, 34, 35));
    CombineRgn(square.Get(), square.Get(), cross.Get(), RGN_OR);
    const CBrush brush(CreateSolidBrush(Color()));
    FillRgn(memory, square.Get(), brush.Get());
  });
}
