// The event list's menu (right click): record before or after a line, insert,
// edit or delete a pause, delete an event, and five submenus that insert
// mouse-button presses, releases and clicks.
#pragma once

#include <cstdint>
#include <vector>

#include "option/pages/function_menu.h"
#include "option/pages/macro_editor.h"

inline constexpr unsigned kCmdRecordBefore = 1001;
inline constexpr unsigned kCmdRecordAfter = 1002;
inline constexpr unsigned kCmdInsertPause = 1003;
inline constexpr unsigned kCmdEditPause = 1004;
inline constexpr unsigned kCmdDeleteLine = 1005;
inline constexpr int kEventMenuWidth = 120;

std::vector<MenuEntry> BuildEventListMenu();

struct MouseCommand {
  uint8_t code = 0;  // 0: not a mouse command
  MouseAction action = MouseAction::Press;
};
// 1020..1034: left, right, middle, forward and back, each press, release, click.
MouseCommand MouseCommandOf(unsigned command);
