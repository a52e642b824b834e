// What the mouse does when one of its buttons is pressed or released, by the
// kind (byte 0) of the button's device code in the active profile:
//   6  report to the host: on press, event type = byte 2, value = byte 3;
//   7  sensitivity level: byte 2 = 1 up, 2 down, 3 next (wrapping 5 -> 1);
//      on press the active profile's level changes and the mouse reports
//      type 0x0700 with the new level (1..5);
//   8  profile: byte 2 as for kind 7; on press the active profile changes
//      and the mouse reports type 0x0800 with the new profile (1..5);
//   any other kind acts inside the mouse (keys, clicks, media keys, its own
//   macros) and reports nothing to the host. Releases report nothing.
// Up and down stop at the ends (5 and 1) and report the unchanged value.
#pragma once

#include <cstdint>
#include <vector>

#include "virtualmouse/device_state.h"

namespace vmouse {

struct DeviceEvent {
  std::uint16_t type = 0;
  std::uint16_t value = 0;
  bool operator==(const DeviceEvent&) const = default;
};

inline constexpr std::uint16_t kLevelEvent = 0x0700;
inline constexpr std::uint16_t kProfileEvent = 0x0800;

// button is 1..16; anything else does nothing.
std::vector<DeviceEvent> PressButton(DeviceState& state, int button);

}  // namespace vmouse
