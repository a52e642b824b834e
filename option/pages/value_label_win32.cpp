#include "option/pages/value_label_win32.h"

#include "option/skin/skin_image_win32.h"

namespace {
constexpr char kValueLabelClass[] = "OspreyValueLabel";

HFONT ValueFont() {
  static const Font font(CreateFontA(12, 5, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial"));
  return font.Get();
}
}  // namespace

bool CValueLabel::Create(HWND parent, const RECT& r) {
  return CreateSkinWindow(kValueLabelClass, 0, WS_CHILD | WS_VISIBLE, r.left, r.top, r.right - r.left,
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
  PaintScope paint(Hwnd());
  RECT rc{};
  GetClientRect(Hwnd(), &rc);
  MemoryDC memory(paint.Get());
  Bitmap canvas(CreateCompatibleBitmap(paint.Get(), rc.right, rc.bottom));
  if (!memory || !canvas) return;
  SelectIn selectCanvas(memory.Get(), canvas.Get());
  // Disabled (a level out of use), the value is greyed.
  const bool enabled = IsWindowEnabled(Hwnd()) != 0;
  Brush back(CreateSolidBrush(enabled ? back_ : RGB(120, 120, 124)));
  FillRect(memory.Get(), &rc, back.Get());
  SelectIn selectFont(memory.Get(), ValueFont());
  SetBkMode(memory.Get(), TRANSPARENT);
  SetTextColor(memory.Get(), enabled ? RGB(0, 0, 0) : RGB(60, 60, 64));
  DrawTextA(memory.Get(), text_.c_str(), static_cast<int>(text_.size()), &rc,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  BitBlt(paint.Get(), 0, 0, rc.right, rc.bottom, memory.Get(), 0, 0, SRCCOPY);
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
