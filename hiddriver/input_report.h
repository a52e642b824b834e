// Input reports of the mouse on its HID report channel, 5 bytes:
//   byte 0  report id (0)
//   bytes 1-2  event type, low byte first
//   bytes 3-4  event value, low byte first
// Longer reports (padded by the device) are read the same way.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

struct InputEvent {
  std::uint16_t type = 0;
  std::uint16_t value = 0;
};

inline constexpr std::size_t kInputReportSize = 5;

// Empty for a report too short to hold an event.
std::optional<InputEvent> DecodeInputReport(const std::uint8_t* bytes, std::size_t length);
