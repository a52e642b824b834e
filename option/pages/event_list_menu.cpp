#include "option/pages/event_list_menu.h"

namespace {

constexpr int kMouseMenuWidth = 100;
constexpr int kButtonMenuWidth = 40;
constexpr unsigned kFirstMouseCommand = 1020;
// Left, right, middle, forward, back: the menu's order, not the codes'.
constexpr uint8_t kMenuButtons[] = {240, 241, 242, 244, 243};
constexpr int kFirstButtonCaption = 1059;
constexpr MouseAction kActions[] = {MouseAction::Press, MouseAction::Release, MouseAction::Click};

MenuEntry Command(unsigned command, int caption) {
  MenuEntry e;
  e.command = command;
  e.caption = caption;
  return e;
}

}  // namespace

std::vector<MenuEntry> BuildEventListMenu() {
  MenuEntry mouse;
  mouse.kind = MenuEntry::Kind::Submenu;
  mouse.caption = 1058;
  mouse.width = kMouseMenuWidth;
  for (int b = 0; b < 5; ++b) {
    MenuEntry button;
    button.kind = MenuEntry::Kind::Submenu;
    button.caption = kFirstButtonCaption + b;
    button.width = kButtonMenuWidth;
    for (int a = 0; a < 3; ++a)
      button.items.push_back(Command(kFirstMouseCommand + unsigned(3 * b + a), 1064 + a));
    mouse.items.push_back(button);
  }
  return {Command(kCmdRecordBefore, 1053), Command(kCmdRecordAfter, 1054),
          Command(kCmdInsertPause, 1055), mouse, Command(kCmdEditPause, 1056),
          Command(kCmdDeleteLine, 1057)};
}

MouseCommand MouseCommandOf(unsigned command) {
  if (command < kFirstMouseCommand || command >= kFirstMouseCommand + 15) return {};
  const unsigned n = command - kFirstMouseCommand;
  return {kMenuButtons[n / 3], kActions[n % 3]};
}
