// CSkinMenu: an owner-drawn popup menu in the skin's colours. The owner
// window passes WM_MEASUREITEM and WM_DRAWITEM on (CSkinDialog does; other
// windows call HandleSkinChildMessage).
#pragma once

#include <windows.h>

#include <string_view>

#include "option/skin/menu_model.h"
#include "wingui/handles_win32.h"

class CSkinMenu {
 public:
  explicit CSkinMenu(HFONT font);  // the font stays the caller's
  CSkinMenu(const CSkinMenu&) = delete;
  CSkinMenu& operator=(const CSkinMenu&) = delete;
  ~CSkinMenu();

  void SetBackColors(COLORREF normal, COLORREF selected);
  void SetLineColor(COLORREF line) { model_.colors.line = line; }
  void SetTextColors(COLORREF normal, COLORREF selected);
  void SetWidth(int width) { model_.SetWidth(width); }
  // Identifier kMenuSeparatorId appends a separator; a submenu appends an item opening it.
  void AppendItem(unsigned id, std::string_view text, HMENU submenu = nullptr, int mark = 0);
  HMENU Handle() const { return menu_.Get(); }
  // Opens the menu at screen point (x, y) for the right button; the choice
  // reaches owner as WM_COMMAND.
  void Show(HWND owner, int x, int y);

  static bool HandleOwnerMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

 private:
  void Measure(MEASUREITEMSTRUCT& m) const;
  void Draw(const DRAWITEMSTRUCT& d) const;

  CMenu menu_;
  HFONT font_;
  CMenuModel model_;
};
