// The state dump: a plain text picture of the mouse's decoded state, the
// format documented in the README. Equal states give equal text.
#pragma once

#include <string>

#include "virtualmouse/device_state.h"

namespace vmouse {

std::string DumpState(const DeviceState& state, bool plugged, int problems);

// Short name of a button code's kind (byte 0): "key", "mouse", "macro", ...
std::string KindName(std::uint8_t kind);

}  // namespace vmouse
