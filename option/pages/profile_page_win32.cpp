#include "option/pages/profile_page_win32.h"

bool CProfilePage::Create(HWND parent, const RECT& where) {
  parent_ = parent;
  where_ = where;
  return true;
}

void CProfilePage::Show(bool visible) {
  if (visible && !IsCreated() && !CreatePage(parent_, where_.left, where_.top)) return;
  if (visible) Refresh();
  CSkinDialog::Show(visible);
}
