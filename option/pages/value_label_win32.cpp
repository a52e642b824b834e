#include "option/pages/value_label_win32.h"

#include "option/skin/skin_image_win32.h"

namespace {
const WindowClass kValueLabelClass{"OspreyValueLabel", CS_DBLCLKS};

HFONT ValueFont() {
  static const CFont font(CreateFontA(12, 5, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial"));
  return font.Get();
}
}  // namespace

bool CValueLabel::Create(HWND parent, const RECT& r) {
  return CreateWindowOf(kValueLabelClass, 0, WS_CHILD | WS_VISIBLE, r.left, r.top, r.right - r.left,
                          r.bottom - r.top, parent, 0);
}

void CValueLabel::SetText(std::string text) {
  if (text == text_) return;
  text_ = std::move(text);
  if (Hwnd()) InvalidateRect(Hwnd(), nullptr, FALSE);
}

void CValueLabel::SetBackColor(COLORREF color) {
  back_ = color;
  if (Hwnd()) InvalidateRect(Hwnd(), nullptr, FALSE);
}

void CValueLabel::OnPaint() {
  CPaintDC paint(Hwnd());
  RECT rc{};
  GetClientRect(Hwnd(), &rc);
  // Disabled (a level out of use), the value is greyed.
  const bool enabled = IsWindowEnabled(Hwnd()) != 0;
  PaintOffscreen(paint.Get(), rc, [&](HDC memory) {
    const CBrush back(CreateSolidBrush(enabled ? back_ : RGB(120, 120, 124)));
    FillRect(memory, &rc, back.Get());
    CSelectObject selectFont(memory, ValueFont());
    SetBkMode(memory, TRANSPARENT);
    SetTextColor(memory, enabled ? RGB(0, 0, 0) : RGB(60, 60, 64));
    RECT text = rc;
    DrawTextA(memory, text_.c_str(), static_cast<int>(text_.size()), &text,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  });
}

LRESULT CValueLabel::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT: OnPaint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_ENABLE: InvalidateRect(Hwnd(), nullptr, FALSE); return 0;
    case WM_MOUSEMOVE: hoverHelp_.OnMouseMove(Hwnd(), helpText_); return 0;
    case WM_MOUSELEAVE: hoverHelp_.OnMouseLeave(); return 0;
    default: return Default(msg, wp, lp);
  }
}
