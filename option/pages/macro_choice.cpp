#include "option/pages/macro_choice.h"

#include <algorithm>
#include <cstring>
#include <string_view>

int MacroFromCommand(unsigned command, int count) {
  if (command < kMacroMenuFirstCommand) return -1;
  const unsigned n = command - kMacroMenuFirstCommand;
  return n < static_cast<unsigned>(std::max(count, 0)) ? static_cast<int>(n) : -1;
}

std::string TrimmedMacroName(const MacroRecord& record) {
  std::string_view name(record.name, strnlen(record.name, sizeof record.name));
  const auto first = name.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = name.find_last_not_of(" \t");
  return std::string(name.substr(first, last - first + 1));
}

void CopyMacroToSlot(const MacroRecord& record, MacroKeyInfo& slot) {
  const size_t length =
      std::min(strnlen(record.name, sizeof record.name), sizeof slot.macroName - 1);
  std::memset(slot.macroName, 0, sizeof slot.macroName);
  std::memcpy(slot.macroName, record.name, length);
  slot.count = static_cast<int16_t>(std::clamp(record.count, 0, kMacroEventCount));
  static_assert(sizeof slot.data == sizeof record.events);
  std::memcpy(slot.data, record.events, sizeof slot.data);
  slot.repeat = record.repeat;
}
