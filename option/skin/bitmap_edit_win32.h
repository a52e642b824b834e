// CBitmapEdit: a text field with its own colours and font, an optional
// numeric filter, and notices to its parent: "BitmapEdit_KillFocus" (wParam 0
// after every text change, 1 when the focus goes) and WM_EDIT_ENTER when
// Enter is released. Its parent must pass on WM_COMMAND and WM_CTLCOLOR*
// (CSkinDialog does; see child_messages_win32.h).
#pragma once

#include <windows.h>

#include "option/skin/child_messages_win32.h"
#include "option/skin/control_messages.h"
#include "wingui/gdi_win32.h"

// The registered notices of the text field ("BitmapEdit_KillFocus",
// "BitmapEdit_Change"); registered on first use.
UINT BitmapEditKillFocusMessage();
UINT BitmapEditChangeMessage();

class CBitmapEdit : public CReflectTarget {
 public:
  CBitmapEdit() = default;
  CBitmapEdit(const CBitmapEdit&) = delete;
  CBitmapEdit& operator=(const CBitmapEdit&) = delete;
  ~CBitmapEdit();

  // A visible child edit; style adds to WS_CHILD | WS_VISIBLE (ES_CENTER...).
  bool Create(HWND parent, const RECT& rect, int id, DWORD style = ES_AUTOHSCROLL);
  HWND Hwnd() const { return hwnd_; }
  void SetNumericFilter(bool on) { numeric_ = on; }
  void SetTextColor(COLORREF c) { textColor_ = c; }
  void SetBackColor(COLORREF c) { backColor_ = c; }
  // Gives the window the field's font and redraws it.
  void ApplyFont();

  bool OnReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp);
  void OnChange();

  HWND hwnd_ = nullptr;
  bool numeric_ = false;
  bool swallowChar_ = false;
  COLORREF textColor_ = RGB(36, 36, 36);
  COLORREF backColor_ = RGB(255, 255, 255);
  CBrush brush_;
  CFont font_;
};
