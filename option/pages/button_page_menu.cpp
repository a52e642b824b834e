#include "option/pages/button_page_menu.h"

namespace {

// The button page's submenus have a fixed width unless told otherwise.
MenuEntry Submenu(int caption, std::vector<MenuEntry> items, int width = kButtonMenuWidth) {
  return MenuSubmenu(caption, std::move(items), width);
}

}  // namespace

std::vector<MenuEntry> BuildButtonPageMenu(int button) {
  std::vector<MenuEntry> menu;
  menu.push_back(Submenu(1021, {MenuCommand(kCmdChooseMacro, 1071)}));
  menu.push_back(Submenu(1031, MenuRun(1025, 1032, 1032)));
  menu.push_back(Submenu(1069, MenuRun(1018, 1020, 1024), kButtonMenuWideSubmenuWidth));
  menu.push_back(Submenu(1017, MenuRun(1013, 1015, 1018)));
  menu.push_back(Submenu(1040, MenuRun(1033, 1042, 1041)));
  for (MenuEntry& e : MenuRun(1001, 1012, 1005)) menu.push_back(e);
  menu.push_back(MenuCommand(kCmdPowerKey, 1076));
  menu.push_back(MenuCommand(kCmdRunProgram, 1022));
  if (button < 14) {
    menu.push_back(MenuCommand(1021, 1027));
    menu.push_back(MenuCommand(1022, 1028));
  }
  menu.push_back(MenuCommand(1023, 1029));
  menu.push_back(MenuCommand(1024, 1030));
  return menu;
}

int ButtonPageCode(unsigned command) {
  if (command >= 1001 && command <= 1042) return int(command) - 1000;
  if (command == kCmdChooseMacro) return kFunctionMacro;
  if (command == kCmdPowerKey) return 86;
  return 0;
}
