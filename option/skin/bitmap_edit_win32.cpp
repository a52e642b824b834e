#include "option/skin/bitmap_edit_win32.h"

#include <commctrl.h>

#include <string>

#include "option/skin/text_filter.h"

UINT BitmapEditKillFocusMessage() {
  static const UINT message = RegisterWindowMessageA(kBitmapEditKillFocus);
  return message;
}

UINT BitmapEditChangeMessage() {
  static const UINT message = RegisterWindowMessageA(kBitmapEditChange);
  return message;
}

CBitmapEdit::~CBitmapEdit() {
  if (hwnd_) DestroyWindow(hwnd_);
}

bool CBitmapEdit::Create(HWND parent, const RECT& r, int id, DWORD style) {
  BitmapEditKillFocusMessage();
  BitmapEditChangeMessage();
  hwnd_ = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | style, r.left, r.top,
                          r.right - r.left, r.bottom - r.top, parent,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
                          nullptr);
  if (!hwnd_) return false;
  SetWindowSubclass(hwnd_, SubclassProc, 1, reinterpret_cast<DWORD_PTR>(this));
  AttachReflectTarget(hwnd_, this);
  font_.Reset(CreateFontA(13, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Eurostile"));
  return true;
}

void CBitmapEdit::ApplyFont() {
  if (hwnd_) SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), TRUE);
}

void CBitmapEdit::OnChange() {
  if (numeric_) {
    const int length = GetWindowTextLengthA(hwnd_);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    GetWindowTextA(hwnd_, text.data(), length + 1);
    text.resize(static_cast<size_t>(length));
    // Setting the cleaned text comes back here once, with nothing left to clean.
    if (const auto cleaned = FilterNumericText(text)) SetWindowTextA(hwnd_, cleaned->c_str());
  }
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_UPDATENOW);
  PostMessageA(GetParent(hwnd_), BitmapEditKillFocusMessage(), 0, 0);
}

bool CBitmapEdit::OnReflected(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
  if (msg == WM_COMMAND) {
    if (HIWORD(wp) != EN_CHANGE) return false;
    OnChange();
    result = 0;
    return true;
  }
  // WM_CTLCOLOREDIT / WM_CTLCOLORSTATIC: a fresh brush each time, the old one goes.
  HDC dc = reinterpret_cast<HDC>(wp);
  brush_.Reset(CreateSolidBrush(backColor_));
  ::SetTextColor(dc, textColor_);
  SetBkColor(dc, backColor_);
  result = reinterpret_cast<LRESULT>(brush_.Get());
  return true;
}

LRESULT CBitmapEdit::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_KEYDOWN:
      if (numeric_ && !NumericKeyAllowed(static_cast<unsigned>(wp))) {
        swallowChar_ = true;  // and the character it was translated into
        return 0;
      }
      swallowChar_ = false;
      break;
    case WM_CHAR:
      if (swallowChar_) {
        swallowChar_ = false;
        return 0;
      }
      break;
    case WM_KEYUP:
      if (wp == VK_RETURN) PostMessageA(GetParent(hwnd_), WM_EDIT_ENTER, 13, 0);
      break;
    case WM_KILLFOCUS:
      PostMessageA(GetParent(hwnd_), BitmapEditKillFocusMessage(), 1, 0);
      break;
    case WM_VSCROLL:
      InvalidateRect(hwnd_, nullptr, TRUE);
      break;
    case WM_ERASEBKGND:
      return 1;
    case WM_NCDESTROY: {
      DetachReflectTarget(hwnd_);
      RemoveWindowSubclass(hwnd_, SubclassProc, 1);
      const LRESULT r = DefSubclassProc(hwnd_, msg, wp, lp);
      hwnd_ = nullptr;
      return r;
    }
    default:
      break;
  }
  return DefSubclassProc(hwnd_, msg, wp, lp);
}

LRESULT CALLBACK CBitmapEdit::SubclassProc(HWND, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                           DWORD_PTR self) {
  return reinterpret_cast<CBitmapEdit*>(self)->OnMessage(msg, wp, lp);
}
