#include "option/skin/skin_menu_win32.h"

#include <set>
#include <string>

#include "wingui/gdi_win32.h"

namespace {
// Menus alive now: item data is only trusted when it names one of them.
std::set<const CSkinMenu*>& LiveMenus() {
  static std::set<const CSkinMenu*> menus;
  return menus;
}

void FillSolid(HDC dc, const RECT& r, COLORREF color) {
  CBrush brush(CreateSolidBrush(color));
  FillRect(dc, &r, brush.Get());
}
}  // namespace

CSkinMenu::CSkinMenu(HFONT font) : menu_(CreatePopupMenu()), font_(font) { LiveMenus().insert(this); }

CSkinMenu::~CSkinMenu() { LiveMenus().erase(this); }

void CSkinMenu::SetBackColors(COLORREF normal, COLORREF selected) {
  model_.colors.normalBack = normal;
  model_.colors.selectedBack = selected;
}

void CSkinMenu::SetTextColors(COLORREF normal, COLORREF selected) {
  model_.colors.normalText = normal;
  model_.colors.selectedText = selected;
}

void CSkinMenu::AppendItem(unsigned id, std::string_view text, HMENU submenu, int mark) {
  const ULONG_PTR self = reinterpret_cast<ULONG_PTR>(this);
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA;
  info.fType = MFT_OWNERDRAW;
  info.wID = id;
  info.dwItemData = self;
  if (id == kMenuSeparatorId) {
    info.fType |= MFT_SEPARATOR;
  } else if (submenu) {
    info.fMask |= MIIM_SUBMENU;
    info.hSubMenu = submenu;
  }
  InsertMenuItemA(menu_.Get(), GetMenuItemCount(menu_.Get()), TRUE, &info);
  // Drawing requests for a submenu item carry the submenu's handle as identifier.
  model_.Append(submenu ? static_cast<unsigned>(reinterpret_cast<UINT_PTR>(submenu)) : id, text, mark);
}

void CSkinMenu::Show(HWND owner, int x, int y) {
  TrackPopupMenu(menu_.Get(), TPM_LEFTALIGN | TPM_RIGHTBUTTON, x, y, 0, owner, nullptr);
}

void CSkinMenu::Measure(MEASUREITEMSTRUCT& m) const {
  const MenuItemSize size = model_.Measure(m.itemID);
  m.itemWidth = static_cast<UINT>(size.width);
  m.itemHeight = static_cast<UINT>(size.height);
}

void CSkinMenu::Draw(const DRAWITEMSTRUCT& d) const {
  const RECT r = d.rcItem;
  HDC dc = d.hDC;
  if (d.itemID == kMenuLineId) {
    FillSolid(dc, r, model_.colors.normalBack);
    const int y = r.top + (r.bottom - r.top) / 2;
    FillSolid(dc, RECT{r.left, y, r.right, y + 1}, model_.colors.line);
  } else {
    const bool selected = (d.itemState & ODS_SELECTED) != 0;
    FillSolid(dc, r, selected ? model_.colors.selectedBack : model_.colors.normalBack);
    const MenuItem* item = model_.Find(d.itemID);
    const std::string text = item ? item->text : std::string();
    CSelectObject selectFont(dc, font_);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, model_.TextColor(d.itemID, selected));
    RECT textRect{r.left + 2, r.top, r.right, r.bottom};
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &textRect,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (IsMenu(reinterpret_cast<HMENU>(static_cast<UINT_PTR>(d.itemID)))) {
      // Submenu arrow: a small right-pointing triangle near the right edge.
      const int cx = r.right - 12, cy = r.top + (r.bottom - r.top) / 2;
      for (int i = 0; i < 4; ++i)
        FillSolid(dc, RECT{cx + i, cy - 3 + i, cx + i + 1, cy + 4 - i}, model_.TextColor(d.itemID, selected));
    }
  }
  ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
}

bool CSkinMenu::HandleOwnerMessage(UINT msg, WPARAM, LPARAM lp, LRESULT& result) {
  if (msg == WM_MEASUREITEM) {
    auto* m = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
    const auto* menu = reinterpret_cast<const CSkinMenu*>(m->itemData);
    if (m->CtlType != ODT_MENU || !LiveMenus().count(menu)) return false;
    menu->Measure(*m);
  } else if (msg == WM_DRAWITEM) {
    const auto* d = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
    const auto* menu = reinterpret_cast<const CSkinMenu*>(d->itemData);
    if (d->CtlType != ODT_MENU || !LiveMenus().count(menu)) return false;
    menu->Draw(*d);
  } else {
    return false;
  }
  result = TRUE;
  return true;
}
