#include <gtest/gtest.h>

#include "option/skin/child_messages_win32.h"
#include "option/skin/menu_painter_win32.h"
#include "option/skin/skin_menu_win32.h"

namespace {
constexpr char kOldProc[] = "CoolMenu_oldProc";
}

TEST(MenuPainter, InstallingTwiceKeepsOneHook) {
  const HHOOK first = InstallMenuPainter();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(InstallMenuPainter(), first);
  RemoveMenuPainter();
  EXPECT_NE(InstallMenuPainter(), nullptr);
  RemoveMenuPainter();
}

TEST(MenuPainter, TakesOverPopupMenuWindowsAndGivesThemBackWhenHidden) {
  InstallMenuPainter();
  HWND menu = CreateWindowExA(0, MAKEINTATOM(32768), "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                              nullptr, nullptr);
  ASSERT_NE(menu, nullptr);
  EXPECT_NE(GetPropA(menu, kOldProc), nullptr);
  EXPECT_TRUE(MenuPainterOwns(menu));
  const LONG_PTR painter = GetWindowLongPtrA(menu, GWLP_WNDPROC);
  const LONG_PTR earlier = reinterpret_cast<LONG_PTR>(GetPropA(menu, kOldProc));
  EXPECT_NE(painter, earlier);

  ShowWindow(menu, SW_SHOWNA);
  ShowWindow(menu, SW_HIDE);
  EXPECT_EQ(GetPropA(menu, kOldProc), nullptr);
  EXPECT_FALSE(MenuPainterOwns(menu));
  EXPECT_EQ(GetWindowLongPtrA(menu, GWLP_WNDPROC), earlier);
  DestroyWindow(menu);

  HWND other = CreateWindowExA(0, "BUTTON", "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr,
                               nullptr);
  EXPECT_EQ(GetPropA(other, kOldProc), nullptr);
  DestroyWindow(other);
  RemoveMenuPainter();
}

TEST(SkinMenu, OwnerMessagesMeasureOnlyItsOwnItems) {
  HFONT font = CreateFontA(14, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");
  CSkinMenu menu(font);
  menu.AppendItem(1049, "Paste");
  menu.AppendItem(kMenuSeparatorId, "");
  menu.AppendItem(1, "hidden");
  EXPECT_EQ(GetMenuItemCount(menu.Handle()), 3);

  MEASUREITEMSTRUCT m{};
  m.CtlType = ODT_MENU;
  m.itemID = 1049;
  m.itemData = reinterpret_cast<ULONG_PTR>(&menu);
  LRESULT result = 0;
  ASSERT_TRUE(HandleSkinChildMessage(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&m), result));
  EXPECT_EQ(m.itemHeight, 21u);
  EXPECT_EQ(m.itemWidth, 48u);  // "hidden": 6 characters
  m.itemID = 1;
  HandleSkinChildMessage(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&m), result);
  EXPECT_EQ(m.itemHeight, 0u);

  int stranger = 0;
  m.itemData = reinterpret_cast<ULONG_PTR>(&stranger);
  EXPECT_FALSE(HandleSkinChildMessage(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&m), result));
  DeleteObject(font);
}
