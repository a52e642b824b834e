#include "option/pages/function_menu.h"

#include <cstring>

#include "settings/macro_store.h"

MenuEntry MenuCommand(unsigned command, int caption) {
  MenuEntry e;
  e.command = command;
  e.caption = caption;
  return e;
}

MenuEntry MenuSubmenu(int caption, std::vector<MenuEntry> items, int width) {
  MenuEntry e;
  e.kind = MenuEntry::Kind::Submenu;
  e.caption = caption;
  e.width = width;
  e.items = std::move(items);
  return e;
}

std::vector<MenuEntry> MenuRun(unsigned first, unsigned last, int firstCaption) {
  std::vector<MenuEntry> items;
  for (unsigned c = first; c <= last; ++c) items.push_back(MenuCommand(c, firstCaption + int(c - first)));
  return items;
}

std::vector<MenuEntry> BuildFunctionMenu(const MacroKeyInfo& button,
                                         const std::vector<std::string>& macroNames) {
  std::vector<MenuEntry> macros{MenuCommand(kCmdMacroManager, 1067)};
  if (!macroNames.empty()) {
    MenuEntry separator;
    separator.kind = MenuEntry::Kind::Separator;
    macros.push_back(separator);
  }
  const std::string held(button.macroName, strnlen(button.macroName, sizeof button.macroName));
  for (size_t i = 0; i < macroNames.size(); ++i) {
    MenuEntry e = MenuCommand(kCmdFirstMacro + unsigned(i), 0);
    e.text = macroNames[i];
    e.checked = button.function == kFunctionMacro && SameMacroName(macroNames[i], held);
    macros.push_back(e);
  }

  std::vector<MenuEntry> menu;
  menu.push_back(MenuSubmenu(1021, std::move(macros)));
  menu.push_back(MenuSubmenu(1031, MenuRun(1025, 1032, 1032)));
  menu.push_back(MenuSubmenu(1069, MenuRun(1018, 1020, 1024)));
  menu.push_back(MenuSubmenu(1017, MenuRun(1013, 1015, 1018)));
  menu.push_back(MenuSubmenu(1040, MenuRun(1033, 1042, 1041)));
  for (MenuEntry& e : MenuRun(1001, 1010, 1005)) menu.push_back(e);
  menu.push_back(MenuCommand(1017, 1022));
  menu.push_back(MenuCommand(1021, 1027));
  return menu;
}

int FunctionCodeForCommand(unsigned command) {
  if (command >= kCmdFirstMacro) return kFunctionMacro;
  if (command >= 1001 && command <= 1042) return int(command) - 1000;
  return 0;
}

bool KeepsPrimaryClick(const Profile& profile, int button, int newCode, int buttons) {
  for (int b = 0; b < buttons && b < kButtonCount; ++b) {
    const int code = b == button ? newCode : profile.MacroKeyInfo[b].function;
    if (code == 1) return true;
  }
  return false;
}

void StoreFunction(MacroKeyInfo& slot, int code) {
  slot.function = uint8_t(code);
  if (code != kFunctionKey && code != kFunctionMacro) {
    slot.count = 0;
    std::memset(slot.data, 0, sizeof slot.data);
    std::memset(slot.macroName, 0, sizeof slot.macroName);
  }
}

void StoreKeyCombination(MacroKeyInfo& slot, uint8_t usage, uint8_t modifierBits) {
  slot.count = 1;
  slot.data[0] = usage;
  slot.data[1] = modifierBits;
  std::memset(slot.macroName, 0, sizeof slot.macroName);
}

bool StoreProgramPath(MacroKeyInfo& slot, const std::string& path) {
  if (path.size() >= sizeof slot.program) return false;
  std::memset(slot.program, 0, sizeof slot.program);
  std::memcpy(slot.program, path.data(), path.size());
  return true;
}
