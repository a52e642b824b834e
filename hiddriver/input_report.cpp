#include "hiddriver/input_report.h"

std::optional<InputEvent> DecodeInputReport(const std::uint8_t* bytes, std::size_t length) {
  if (bytes == nullptr || length < kInputReportSize) return std::nullopt;
  InputEvent e;
  e.type = static_cast<std::uint16_t>(bytes[1] | bytes[2] << 8);
  e.value = static_cast<std::uint16_t>(bytes[3] | bytes[4] << 8);
  return e;
}
