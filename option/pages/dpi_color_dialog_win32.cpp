#include "option/pages/dpi_color_dialog_win32.h"

#include <windowsx.h>

#include <cstdio>

#include "option/pages/dpi_rules.h"
#include "option/skin/control_messages.h"

namespace {
// The BUTTONPOS keys of the dialog's skin.
enum SkinKey { kKeyOk = 1, kKeyCancel = 2, kKeyPreview = 3, kKeyPalette = 4, kKeyClose = 5 };
constexpr int kPartKeys[3] = {6, 7, 8};
constexpr int kPartIds[3] = {kRedBoxId, kGreenBoxId, kBlueBoxId};
}  // namespace

void CDpiColorDialog::CreateControls(const CSkinBuilder& skin) {
  skin.AddButton(ok_, kKeyOk);
  skin.AddButton(cancel_, kKeyCancel);
  skin.AddButton(close_, kKeyClose);
  preview_ = RectOf(skin.Place(kKeyPreview));
  palette_ = RectOf(skin.Place(kKeyPalette));
  for (int i = 0; i < 3; ++i) {
    const Placement p = skin.Place(kPartKeys[i]);
    if (!parts_[i].Create(p.left, p.top, p.right, p.bottom, skin.Dialog(), kPartIds[i])) continue;
    skin.CutPictures(parts_[i], RectOf(p));
    parts_[i].SetHelpText(p.text);
  }
}

void CDpiColorDialog::OnInitDialog() {
  for (CNumberBox& part : parts_) {
    part.SetRange(0, 255);
    part.SetStep(1);
  }
  ShowParts();
}

void CDpiColorDialog::ShowParts() {
  for (int i = 0; i < 3; ++i) parts_[i].SetValue(ColourPart(color_, kPartIds[i]));
}

void CDpiColorDialog::RepaintPreview() { InvalidateRect(Hwnd(), &preview_, FALSE); }

bool CDpiColorDialog::OnCommandFrom(HWND control, int, int) {
  if (control == ok_.Hwnd()) {
    RepaintPreview();
    EndModal(IDOK);
  } else if (control == cancel_.Hwnd() || control == close_.Hwnd()) {
    EndModal(IDCANCEL);
  } else {
    return false;
  }
  return true;
}

bool CDpiColorDialog::InPalette(POINT p) const { return PtInRect(&palette_, p) != 0; }

// The colour as the window shows it under the pointer.
void CDpiColorDialog::Pick(POINT p) {
  const COLORREF shown = GetPixel(CWindowDC(Hwnd()).Get(), p.x, p.y);
  if (shown == CLR_INVALID) return;
  color_ = shown;
  RepaintPreview();
  ShowParts();
}

void CDpiColorDialog::OnNumberChanged(int value, int box) {
  char trace[32];
  std::snprintf(trace, sizeof trace, "lParam = %d\n", box);
  OutputDebugStringA(trace);
  const COLORREF changed = ColourWithPart(color_, box, value);
  if (changed == color_) return;
  color_ = changed;
  RepaintPreview();
}

void CDpiColorDialog::PaintOver(HDC dc) {
  CBrush fill(CreateSolidBrush(color_));
  FillRect(dc, &preview_, fill.Get());
}

LRESULT CDpiColorDialog::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_NUMBER_CHANGED: OnNumberChanged(static_cast<int>(wp), static_cast<int>(lp)); return 0;
    case WM_LBUTTONDOWN: {
      const POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
      if (!InPalette(p)) break;  // elsewhere the surface drags the dialog
      SetCursor(LoadCursor(nullptr, IDC_CROSS));
      Pick(p);
      return 0;
    }
    case WM_SETCURSOR: {
      if (LOWORD(lp) != HTCLIENT || reinterpret_cast<HWND>(wp) != Hwnd()) break;
      POINT p{};
      GetCursorPos(&p);
      ScreenToClient(Hwnd(), &p);
      SetCursor(LoadCursor(nullptr, InPalette(p) ? IDC_CROSS : IDC_ARROW));
      return TRUE;
    }
  }
  return CSkinDialog::HandleMessage(msg, wp, lp);
}
