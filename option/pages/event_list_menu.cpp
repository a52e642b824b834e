#include "option/pages/event_list_menu.h"

#include <iterator>

namespace {

constexpr int kMouseMenuWidth = 100;
constexpr int kButtonMenuWidth = 40;
constexpr unsigned kFirstMouseCommand = 1020;
// Left, right, middle, forward, back: the menu's order, not the codes'.
constexpr uint8_t kMenuButtons[] = {240, 241, 242, 244, 243};
constexpr int kFirstButtonCaption = 1059;
constexpr int kFirstActionCaption = 1064;  // press, release, click
constexpr MouseAction kActions[] = {MouseAction::Press, MouseAction::Release, MouseAction::Click};
constexpr unsigned kMouseButtonCount = std::size(kMenuButtons);
constexpr unsigned kActionCount = std::size(kActions);

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
  for (unsigned b = 0; b < kMouseButtonCount; ++b) {
    MenuEntry button;
    button.kind = MenuEntry::Kind::Submenu;
    button.caption = kFirstButtonCaption + int(b);
    button.width = kButtonMenuWidth;
    for (unsigned a = 0; a < kActionCount; ++a)
      button.items.push_back(
          Command(kFirstMouseCommand + kActionCount * b + a, kFirstActionCaption + int(a)));
    mouse.items.push_back(button);
  }
  return {Command(kCmdRecordBefore, 1053), Command(kCmdRecordAfter, 1054),
          Command(kCmdInsertPause, 1055), mouse, Command(kCmdEditPause, 1056),
          Command(kCmdDeleteLine, 1057)};
}

MouseCommand MouseCommandOf(unsigned command) {
  if (command < kFirstMouseCommand ||
      command >= kFirstMouseCommand + kMouseButtonCount * kActionCount)
    return {};
  const unsigned n = command - kFirstMouseCommand;
  return {kMenuButtons[n / kActionCount], kActions[n % kActionCount]};
}
