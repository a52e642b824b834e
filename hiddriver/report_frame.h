// Reports as a HID collection declares them: the report id (0) first, then
// the payload, padded with zeros to the length the collection declares. A
// device that declares longer reports than the payload needs gets all of it,
// or the system refuses the report.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Whether reports of `declared` bytes can carry `payload` bytes after the id.
constexpr bool ChannelFits(std::size_t declared, std::size_t payload) {
  return declared >= payload + 1;
}

// The report to send; empty when the channel is too small for the payload.
std::vector<std::uint8_t> FrameReport(const std::uint8_t* payload, std::size_t size,
                                      std::size_t declared);
