// The 128-byte button table of one profile: a 4-byte device code per button,
// and the macro blocks of the buttons whose macro the device runs itself.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "monitor/device/command_report.h"
#include "settings/profile_set.h"

using DeviceCode = std::array<std::uint8_t, 4>;

struct DeviceCodeRow {
  std::uint8_t function;
  DeviceCode code;
};

// Device code of each function code before the per-button adjustments; byte 0
// is the kind of action the device performs.
extern const std::array<DeviceCodeRow, 67> DeviceCodeTable;

// The table's row for a function code; none for codes it doesn't list.
std::optional<DeviceCode> LookUpDeviceCode(std::uint8_t function);

// Byte 0 of a macro the device runs by itself.
inline constexpr std::uint8_t kDeviceMacroKind = 9;

// Macro blocks built during one transfer: slot = profile * 16 + button.
struct MacroStaging {
  static constexpr int kSlots = 100;
  std::array<DeviceBlock, kSlots> blocks{};
  std::array<bool, kSlots> present{};
  void Clear();
};

// Device code of button b of profile p, staging its macro block when the
// device runs a macro for it.
DeviceCode EncodeButton(const Profile& profile, int p, int b, MacroStaging& staging);

DeviceBlock BuildButtonTable(const Profile& profile, int p, MacroStaging& staging);
