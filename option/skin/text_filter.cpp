#include "option/skin/text_filter.h"

namespace {

// Virtual-key codes (fixed by the platform's keyboard interface).
enum : unsigned {
  kBack = 0x08, kReturn = 0x0D, kEnd = 0x23, kHome = 0x24, kLeft = 0x25, kRight = 0x27,
  kDelete = 0x2E, kComma = 0xBC, kPeriod = 0xBE,
};

bool NumericChar(char c) { return (c >= '0' && c <= '9') || c == ',' || c == '.'; }

}  // namespace

bool NumericKeyAllowed(unsigned vk) {
  if (vk >= '0' && vk <= '9') return true;
  switch (vk) {
    case kBack: case kReturn: case kEnd: case kHome: case kLeft: case kRight:
    case kDelete: case kComma: case kPeriod:
      return true;
    default:
      return false;
  }
}

std::optional<std::string> FilterNumericText(std::string_view text) {
  std::string kept;
  for (char c : text)
    if (NumericChar(c)) kept += c;
  if (kept.size() == text.size()) return std::nullopt;
  return kept;
}
