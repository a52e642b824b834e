#include "option/pages/player_choice.h"

#include <array>

namespace {

constexpr std::array<std::string_view, 4> kPlayerNames{"Windows Media player", "iTunes",
                                                       "Real Player", "Winamp"};
constexpr std::array<PlayerMenuEntry, 3> kMenu{{{1001, 0}, {1002, 1}, {1004, 3}}};

}  // namespace

std::string_view PlayerName(int player) {
  if (player < 0 || player >= static_cast<int>(kPlayerNames.size())) return {};
  return kPlayerNames[static_cast<size_t>(player)];
}

std::span<const PlayerMenuEntry> PlayerMenuEntries() { return kMenu; }

int PlayerFromCommand(unsigned command) {
  for (const PlayerMenuEntry& e : kMenu)
    if (e.command == command) return e.player;
  return -1;
}
