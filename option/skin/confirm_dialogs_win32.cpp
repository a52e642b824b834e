#include "option/skin/confirm_dialogs_win32.h"

#include "option/skin/skin_font_win32.h"

void CConfirmDialog::CreateControls(const CSkinBuilder& skin) {
  for (size_t i = 0; i < buttons_.size(); ++i) skin.AddButton(buttons_[i], static_cast<int>(i + 1));
}

bool CConfirmDialog::OnCommandFrom(HWND control, int, int) {
  for (size_t i = 0; i < buttons_.size(); ++i) {
    if (buttons_[i].Hwnd() != control) continue;
    EndModal(i == 0 ? IDOK : IDCANCEL);
    return true;
  }
  return false;
}

void CConfirmDialog::PaintOver(HDC dc) {
  if (!drawsMessage_ || message_.empty()) return;
  CFont font(CreateSkinTextFont());
  CSelectObject select(dc, font.Get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(255, 255, 255));
  RECT r{20, 50, 220, 94};
  DrawTextA(dc, message_.c_str(), static_cast<int>(message_.size()), &r,
            DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
}
