#include "option/skin/list_spin_box_win32.h"

#include "option/skin/skin_image_win32.h"

namespace {
const WindowClass kSpinClass{"OspreyListSpinBox", CS_DBLCLKS};
}

bool CListSpinBox::Create(int left, int top, int right, int bottom, HWND owner, int id) {
  owner_ = owner;
  id_ = id;
  return CreateWindowOf(kSpinClass, 0, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, left, top,
                        right - left, bottom - top, owner, id);
}

void CListSpinBox::OnCreate() {
  RECT rc{};
  GetClientRect(Hwnd(), &rc);
  const int w = rc.right;
  up_.Create(Hwnd(), RECT{23, 2, w - 1, 8});
  down_.Create(Hwnd(), RECT{23, 9, w - 1, 15});
  display_.Create(Hwnd(), RECT{2, 2, 22, 15}, kDisplayId, ES_CENTER | ES_READONLY);
  display_.SetBackColor(RGB(255, 255, 255));
  display_.SetNumericFilter(true);
  display_.ApplyFont();
  EnableWindow(display_.Hwnd(), FALSE);
}

void CListSpinBox::SetRange(int minimum, int maximum) {
  model_.SetRange(minimum, maximum);
  if (display_.Hwnd()) SendMessageA(display_.Hwnd(), EM_LIMITTEXT, model_.DisplayDigits(), 0);
}

void CListSpinBox::SetValue(int value) {
  model_.SetValue(value);
  if (display_.Hwnd()) SetWindowTextA(display_.Hwnd(), std::to_string(value).c_str());
}

void CListSpinBox::ShowValue() {
  const std::string text = std::to_string(model_.Value());
  SendMessageA(display_.Hwnd(), EM_SETSEL, 0, -1);
  SendMessageA(display_.Hwnd(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}

void CListSpinBox::Step(bool up) {
  const int before = model_.Value();
  const bool notify = up ? model_.StepUp() : model_.StepDown();
  if (model_.Value() == before && !notify) return;  // at the end of the range
  ShowValue();
  if (notify) PostMessageA(owner_, WM_NUMBER_CHANGED, static_cast<WPARAM>(model_.Value()), id_);
}

LRESULT CListSpinBox::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  LRESULT result = 0;
  if (HandleSkinChildMessage(msg, wp, lp, result)) return result;
  switch (msg) {
    case WM_CREATE: OnCreate(); return 0;
    case WM_COMMAND:
      if (reinterpret_cast<HWND>(lp) == up_.Hwnd()) Step(true);
      else if (reinterpret_cast<HWND>(lp) == down_.Hwnd()) Step(false);
      return 0;
    case WM_PAINT: {
      CPaintDC paint(Hwnd());
      BlitBitmap(paint.Get(), Pictures()[0].Get());
      return 0;
    }
    case WM_ERASEBKGND: return 1;
    case WM_MOUSEMOVE: hoverHelp_.OnMouseMove(Hwnd(), helpText_); return 0;
    case WM_MOUSELEAVE: hoverHelp_.OnMouseLeave(); return 0;
    default: return Default(msg, wp, lp);
  }
}
