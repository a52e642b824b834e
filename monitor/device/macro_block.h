// The 128-byte blocks of the macros the mouse runs by itself: recorded macros
// of a button and the twenty fixed shortcuts.
#pragma once

#include <cstdint>

#include "monitor/device/command_report.h"
#include "settings/profile_set.h"

// A block and the number of macro events it carries (what the button table
// announces to the device).
struct MacroBlock {
  DeviceBlock bytes{};
  int events = 0;
};

// The recorded macro of a function-16 button. The block holds at most 63
// (flag, code) pairs: encoding stops before the first event that no longer
// fits whole, and a count outside 0..40 is taken as its nearest bound.
MacroBlock EncodeRecordedMacro(const MacroKeyInfo& key);

// One of the fixed shortcuts (function codes 51..61, 64..70, 84, 85): one
// repetition, presses in order, releases in reverse. False for other codes.
bool EncodeShortcut(std::uint8_t function, MacroBlock& out);
