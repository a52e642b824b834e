// The 128-byte settings block of one profile: lighting, sensitivity, the
// level codes of the DPI table and the eight slot colours.
#pragma once

#include <array>
#include <cstdint>

#include "monitor/device/command_report.h"
#include "settings/profile_set.h"

// Device code of a sensitivity level value; unknown values (2 included) -> 0x02.
std::uint8_t LevelCode(int32_t level);

// Red, green, blue of a ColorOptions palette index 0..7.
using DeviceColor = std::array<std::uint8_t, 3>;
inline constexpr int kPaletteSize = 8;
DeviceColor PaletteColor(int index);

// The device's lighting modes (byte 71).
inline constexpr std::uint8_t kLightingOff = 0;
inline constexpr std::uint8_t kLightingSteady = 1;
inline constexpr std::uint8_t kLightingBreathing = 2;
inline constexpr std::uint8_t kLightingNeon = 3;
inline constexpr std::uint8_t kLightingWave = 4;

// Bytes 71..73: lighting mode, rate and parameter.
struct LightingBytes {
  std::uint8_t mode;
  std::uint8_t rate;
  std::uint8_t parameter;
  bool operator==(const LightingBytes&) const = default;
};
LightingBytes EncodeLighting(const Profile& profile);

DeviceBlock BuildSettingsBlock(const Profile& profile);
