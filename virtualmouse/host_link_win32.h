// The virtual mouse's way to the host: posts events and arrival/removal to
// the window that the device library registered (see hiddriver/virtual_link.h).
#pragma once

#include <cstdint>

namespace vmouse {

// Both return false when no window is registered (Monitor not running).
bool PostDeviceEvent(std::uint16_t type, std::uint16_t value);
bool PostDeviceChange(bool arrived);

}  // namespace vmouse
