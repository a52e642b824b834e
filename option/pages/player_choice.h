// The media players a profile's media functions can address, and the
// drop-down menu that offers them. Player 2 is still shown when a profile
// holds it, but it is no longer offered.
#pragma once

#include <span>
#include <string_view>

struct PlayerMenuEntry {
  unsigned command;
  int player;
};

// The player's name; empty for a number outside 0..3.
std::string_view PlayerName(int player);
// The players the menu offers, in menu order; each command is 1001 + player.
std::span<const PlayerMenuEntry> PlayerMenuEntries();
// The player a menu command chooses, or -1 when the command is none of them.
int PlayerFromCommand(unsigned command);
