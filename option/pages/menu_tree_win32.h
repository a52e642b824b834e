// Shows a menu described by MenuEntry entries as skinned popup menus:
// captions by string id, submenus at their own widths (0: as wide as their
// texts need). Returns when the menu has closed; a chosen command reaches the
// owner as WM_COMMAND.
#pragma once

#include <windows.h>

#include <vector>

#include "option/pages/button_label.h"
#include "option/pages/function_menu.h"

void ShowMenuTree(HWND owner, int x, int y, HFONT font, const std::vector<MenuEntry>& entries,
                  const CaptionLookup& caption, int width = 0);
