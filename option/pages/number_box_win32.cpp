#include "option/pages/number_box_win32.h"

#include "option/skin/child_messages_win32.h"
#include "option/skin/control_messages.h"
#include "option/skin/skin_image_win32.h"

namespace {
const WindowClass kNumberBoxClass{"OspreyNumberBox", CS_DBLCLKS};
}

bool CNumberBox::Create(int left, int top, int right, int bottom, HWND owner, int id) {
  owner_ = owner;
  id_ = id;
  return CreateWindowOf(kNumberBoxClass, 0, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, left, top,
                          right - left, bottom - top, owner, id);
}

void CNumberBox::OnCreate() {
  RECT rc{};
  GetClientRect(Hwnd(), &rc);
  const int w = rc.right;
  up_.Create(Hwnd(), RECT{w - 20, 2, w - 2, 9});
  down_.Create(Hwnd(), RECT{w - 20, 11, w - 2, 18});
  // Multi-line, so that Enter reaches the field instead of being refused.
  field_.Create(Hwnd(), RECT{2, 2, w - 22, 20}, kFieldId, ES_CENTER | ES_NUMBER | ES_MULTILINE);
  field_.SetTextColor(RGB(255, 255, 255));
  field_.SetBackColor(RGB(0, 0, 0));
  field_.SetNumericFilter(true);
  field_.ApplyFont();
  SendMessageA(field_.Hwnd(), EM_LIMITTEXT, model_.TextLimit(), 0);
}

void CNumberBox::SetRange(int minimum, int maximum) {
  model_.SetRange(minimum, maximum);
  if (field_.Hwnd()) SendMessageA(field_.Hwnd(), EM_LIMITTEXT, model_.TextLimit(), 0);
}

std::string CNumberBox::Text() const {
  char text[32] = {};
  if (field_.Hwnd()) GetWindowTextA(field_.Hwnd(), text, sizeof text);
  return text;
}

// The field reports the change itself ("BitmapEdit_KillFocus"), and the
// owner hears of the value from there.
void CNumberBox::SetText(const std::string& text) {
  if (field_.Hwnd() && Text() != text) SetWindowTextA(field_.Hwnd(), text.c_str());
}

void CNumberBox::SetValue(int value) { SetText(std::to_string(value)); }

void CNumberBox::OnArrow(bool up) {
  const std::string text = Text();
  if (const auto next = up ? model_.Up(text) : model_.Down(text)) SetText(std::to_string(*next));
}

void CNumberBox::Settle(const CNumberBoxModel::Settled& settled) {
  if (settled.rewrite) SetText(*settled.rewrite);
  PostMessageA(owner_, WM_NUMBER_CHANGED, static_cast<WPARAM>(settled.value), id_);
}

void CNumberBox::OnPaint() {
  CPaintDC paint(Hwnd());
  BlitBitmap(paint.Get(), Pictures()[0].Get());
}

LRESULT CNumberBox::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  LRESULT result = 0;
  if (HandleSkinChildMessage(msg, wp, lp, result)) return result;
  if (msg == BitmapEditKillFocusMessage()) {
    Settle(model_.SettleText(Text()));
    return 0;
  }
  switch (msg) {
    case WM_CREATE: OnCreate(); return 0;
    case WM_COMMAND:
      if (reinterpret_cast<HWND>(lp) == up_.Hwnd()) OnArrow(true);
      else if (reinterpret_cast<HWND>(lp) == down_.Hwnd()) OnArrow(false);
      return 0;
    case WM_EDIT_ENTER: Settle(model_.SettleOnEnter(Text())); return 0;
    case WM_PAINT: OnPaint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_MOUSEMOVE: hoverHelp_.OnMouseMove(Hwnd(), helpText_); return 0;
    case WM_MOUSELEAVE: hoverHelp_.OnMouseLeave(); return 0;
    default: return Default(msg, wp, lp);
  }
}
