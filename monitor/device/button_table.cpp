#include "monitor/device/button_table.h"

#include <algorithm>

#include "monitor/device/macro_block.h"

namespace {

DeviceCodeRow Row(std::uint8_t f, std::uint8_t b0, std::uint8_t b1, std::uint8_t b2,
                  std::uint8_t b3) {
  return {f, {b0, b1, b2, b3}};
}

// A consumer-control usage, low byte first.
DeviceCodeRow Consumer(std::uint8_t f, std::uint16_t usage) {
  return Row(f, 3, 0, static_cast<std::uint8_t>(usage), static_cast<std::uint8_t>(usage >> 8));
}

DeviceCodeRow DeviceMacro(std::uint8_t f, std::uint8_t events) {
  return Row(f, kDeviceMacroKind, 0, 0, events);
}

}  // namespace

const std::array<DeviceCodeRow, 67> DeviceCodeTable = {
    // Keyboard: modifier bits and usage filled in per button.
    Row(5, 0, 0, 0, 0), Row(6, 0, 0, 0, 0), Row(23, 0, 8, 0, 0),
    // Mouse buttons.
    Row(1, 1, 0, 0xF0, 0), Row(2, 1, 0, 0xF1, 0), Row(3, 1, 0, 0xF2, 0), Row(8, 1, 0, 0xF3, 0),
    Row(7, 1, 0, 0xF4, 0),
    // Consumer control.
    Consumer(25, 0x0183), Consumer(26, 0x00B6), Consumer(27, 0x00B5), Consumer(28, 0x00CD),
    Consumer(29, 0x00B7), Consumer(30, 0x00E2), Consumer(31, 0x00E9), Consumer(32, 0x00EA),
    Consumer(33, 0x0192), Consumer(34, 0x018A), Consumer(35, 0x022A), Consumer(36, 0x0225),
    Consumer(37, 0x0224), Consumer(38, 0x0226), Consumer(39, 0x0194), Consumer(40, 0x0227),
    Consumer(41, 0x0223), Consumer(42, 0x0221),
    // Device functions.
    Row(9, 4, 0, 1, 0), Row(10, 4, 0, 2, 0), Row(11, 4, 0, 4, 0), Row(12, 4, 0, 3, 0),
    Row(81, 5, 0, 1, 0), Row(82, 5, 0, 2, 0), Row(83, 5, 0, 3, 0),
    // Reports to the host.
    Row(17, 6, 0, 10, 0), Row(24, 6, 0, 0xA0, 0),
    Row(13, 7, 0, 3, 0), Row(14, 7, 0, 1, 0), Row(15, 7, 0, 2, 0),
    Row(18, 8, 0, 3, 0), Row(19, 8, 0, 1, 0), Row(20, 8, 0, 2, 0),
    // Macros run by the device: the recorded one and the fixed shortcuts.
    DeviceMacro(16, 0), DeviceMacro(51, 4), DeviceMacro(52, 4), DeviceMacro(53, 4),
    DeviceMacro(54, 4), DeviceMacro(55, 4), DeviceMacro(56, 4), DeviceMacro(57, 4),
    DeviceMacro(58, 4), DeviceMacro(59, 6), DeviceMacro(60, 4), DeviceMacro(61, 4),
    DeviceMacro(64, 4), DeviceMacro(65, 4), DeviceMacro(66, 4), DeviceMacro(67, 6),
    DeviceMacro(68, 4), DeviceMacro(69, 4), DeviceMacro(70, 4), DeviceMacro(84, 4),
    DeviceMacro(85, 4),
    // Repeated presses.
    Row(4, 10, 0xF0, 50, 2), Row(80, 10, 0xF0, 50, 3), Row(21, 10, 0xF0, 16, 0),
    Row(22, 10, 1, 0, 0),
    Row(86, 11, 8, 0, 0),
};

std::optional<DeviceCode> LookUpDeviceCode(std::uint8_t function) {
  const auto* row = std::find_if(DeviceCodeTable.begin(), DeviceCodeTable.end(),
                                 [&](const DeviceCodeRow& r) { return r.function == function; });
  if (row == DeviceCodeTable.end()) return std::nullopt;
  return row->code;
}

void MacroStaging::Clear() {
  for (auto& b : blocks) b.fill(0);
  present.fill(false);
}

DeviceCode EncodeButton(const Profile& profile, int p, int b, MacroStaging& staging) {
  const MacroKeyInfo& key = profile.MacroKeyInfo[b];
  DeviceCode code = LookUpDeviceCode(key.function).value_or(DeviceCode{0, 0, 0, 0});
  switch (key.function) {
    case kFunctionKey:
      // Bit 0 of the stored modifiers means "no modifier, ignore the rest".
      code[1] = (key.data[1] & kModPlainKey) ? 0 : static_cast<std::uint8_t>(key.data[1] >> 1);
      code[2] = key.data[0];
      break;
    case 22:
      code[2] = code[3] = static_cast<std::uint8_t>(static_cast<uint32_t>(profile.OTGSpeed));
      break;
    case kFunctionMacro:
      code[1] = static_cast<std::uint8_t>(static_cast<uint32_t>(key.playMode));
      break;
    case kFunctionProgram:
      code[3] = static_cast<std::uint8_t>(b + 1);
      break;
    default:
      break;
  }
  if (code[0] != kDeviceMacroKind) return code;

  const int slot = p * kButtonCount + b;
  code[2] = static_cast<std::uint8_t>(slot + 1);
  MacroBlock block;
  if (key.function == kFunctionMacro) {
    block = EncodeRecordedMacro(key);
  } else {
    EncodeShortcut(key.function, block);
  }
  // The device learns the number of events from the table: announce exactly
  // what the block carries.
  code[3] = static_cast<std::uint8_t>(block.events);
  staging.blocks[slot] = block.bytes;
  staging.present[slot] = true;
  return code;
}

DeviceBlock BuildButtonTable(const Profile& profile, int p, MacroStaging& staging) {
  DeviceBlock table{};
  for (int b = 0; b < kButtonCount; ++b) {
    const DeviceCode code = EncodeButton(profile, p, b, staging);
    std::copy(code.begin(), code.end(), table.begin() + 4 * b);
  }
  return table;
}
