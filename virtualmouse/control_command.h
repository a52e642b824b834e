// The control commands of the virtual mouse (sent by vmctl, one per message):
//   plug | unplug | event TYPE VALUE | press N | release N | click N |
//   dump FILE | idle | quit
// Numbers are decimal or 0x-prefixed hex. See the README for what each does.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vmouse {

struct ControlCommand {
  enum class Kind { Plug, Unplug, Event, Press, Release, Click, Dump, Idle, Quit };
  Kind kind = Kind::Plug;
  std::uint16_t first = 0;   // event type, or button 1..16
  std::uint16_t second = 0;  // event value
  std::string path;          // dump, UTF-8
};

// Empty for anything malformed: unknown word, missing or extra arguments,
// numbers out of range.
std::optional<ControlCommand> ParseControlCommand(std::string_view text);

}  // namespace vmouse
