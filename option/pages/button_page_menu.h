// The button page's function menu: what it offers for a button, in its order
// and widths, the code each command gives, and the guard that keeps a click
// which closed the menu from opening it again at once.
#pragma once

#include <cstdint>
#include <vector>

#include "option/pages/function_menu.h"

// The page's buttons (0..15).
inline constexpr int kButtonPageButtons = 16;
inline constexpr int kButtonMenuWidth = 120;
// The submenu of the repeat and sensitivity entries is a little wider.
inline constexpr int kButtonMenuWideSubmenuWidth = 129;

// The single macro entry opens the macro chooser.
inline constexpr unsigned kCmdChooseMacro = 1050;
inline constexpr unsigned kCmdPowerKey = 1076;

// The menu of button index `button`: the submenus, then the plain entries;
// the last two buttons lack the two entries that only the first fourteen have.
std::vector<MenuEntry> BuildButtonPageMenu(int button);

// The function code a command of this menu gives: command - 1000 for
// 1001..1042, 16 for the macro chooser, 86 for 1076; 0 for anything else
// (the macro manager changes no code).
int ButtonPageCode(unsigned command);

// A menu may open again only 200 ms after the last one closed: the click that
// closes a menu over its own button would otherwise open it again.
class CMenuReopenGuard {
 public:
  static constexpr uint32_t kQuietMs = 200;
  bool MayOpen(uint32_t nowMs) const { return !closed_ || nowMs - closedAt_ >= kQuietMs; }
  void Closed(uint32_t nowMs) {
    closed_ = true;
    closedAt_ = nowMs;
  }

 private:
  bool closed_ = false;
  uint32_t closedAt_ = 0;  // tick counter: the difference survives its wrap
};
