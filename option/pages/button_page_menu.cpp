#include "option/pages/button_page_menu.h"

namespace {

MenuEntry Command(unsigned command, int caption) {
  MenuEntry e;
  e.command = command;
  e.caption = caption;
  return e;
}

MenuEntry Submenu(int caption, std::vector<MenuEntry> items, int width = kButtonMenuWidth) {
  MenuEntry e;
  e.kind = MenuEntry::Kind::Submenu;
  e.caption = caption;
  e.width = width;
  e.items = std::move(items);
  return e;
}

// Commands first..last captioned from firstCaption upward.
std::vector<MenuEntry> Run(unsigned first, unsigned last, int firstCaption) {
  std::vector<MenuEntry> items;
  for (unsigned c = first; c <= last; ++c) items.push_back(Command(c, firstCaption + int(c - first)));
  return items;
}

}  // namespace

std::vector<MenuEntry> BuildButtonPageMenu(int button) {
  std::vector<MenuEntry> menu;
  menu.push_back(Submenu(1021, {Command(kCmdChooseMacro, 1071)}));
  menu.push_back(Submenu(1031, Run(1025, 1032, 1032)));
  menu.push_back(Submenu(1069, Run(1018, 1020, 1024), kButtonMenuWideSubmenuWidth));
  menu.push_back(Submenu(1017, Run(1013, 1015, 1018)));
  menu.push_back(Submenu(1040, Run(1033, 1042, 1041)));
  for (MenuEntry& e : Run(1001, 1012, 1005)) menu.push_back(e);
  menu.push_back(Command(kCmdPowerKey, 1076));
  menu.push_back(Command(kCmdRunProgram, 1022));
  if (button < 14) {
    menu.push_back(Command(1021, 1027));
    menu.push_back(Command(1022, 1028));
  }
  menu.push_back(Command(1023, 1029));
  menu.push_back(Command(1024, 1030));
  return menu;
}

int ButtonPageCode(unsigned command) {
  if (command >= 1001 && command <= 1042) return int(command) - 1000;
  if (command == kCmdChooseMacro) return kFunctionMacro;
  if (command == kCmdPowerKey) return 86;
  return 0;
}
