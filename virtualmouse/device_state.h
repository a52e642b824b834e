// What the virtual mouse holds, decoded back from the reports it received:
// the mouse's own view of its five profiles, its macro slots and which
// profile is active. Profiles, levels, buttons and slots are numbered from 1
// here, as the mouse numbers them.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vmouse {

inline constexpr int kProfiles = 5;
inline constexpr int kButtons = 16;
inline constexpr int kLevels = 5;
inline constexpr int kMacroSlots = 80;
inline constexpr int kColours = 8;
inline constexpr std::size_t kBlockSize = 128;
inline constexpr std::size_t kPacketSize = 64;
inline constexpr std::size_t kFeatureSize = 8;

using Block = std::array<std::uint8_t, kBlockSize>;

struct Rgb {
  std::uint8_t red = 0, green = 0, blue = 0;
  bool operator==(const Rgb&) const = default;
};

struct Lighting {
  std::uint8_t mode = 0, rate = 0, parameter = 0;
  bool operator==(const Lighting&) const = default;
};

// The 128-byte settings block of one profile, decoded.
struct DeviceSettings {
  bool received = false;
  bool constantsOk = true;  // the fixed bytes were as the mouse expects
  int sensitivityX = 0, sensitivityY = 0;
  std::array<int, kLevels> levels{};        // sensitivity level values (0: unknown code)
  std::array<int, kLevels> secondLevels{};  // the second table of level codes
  Lighting lighting;
  std::array<Rgb, kColours> colours{};
  bool operator==(const DeviceSettings&) const = default;
};

// Four-byte device button code; byte 0 is the kind of action.
using ButtonCode = std::array<std::uint8_t, 4>;

// One macro step as the mouse plays it: press or release of a code, then a
// pause in milliseconds.
struct MacroStep {
  bool press = true;
  std::uint8_t code = 0;
  int delayMs = 0;
  bool operator==(const MacroStep&) const = default;
};

struct DeviceMacro {
  bool present = false;
  bool wellFormed = true;
  int repeat = 0;
  std::vector<MacroStep> steps;
  bool operator==(const DeviceMacro&) const = default;
};

struct DeviceProfile {
  int interval = 0;  // report interval in ms; 0 until one is received
  int level = 1;     // current sensitivity level 1..5
  DeviceSettings settings;
  bool buttonsReceived = false;
  std::array<ButtonCode, kButtons> buttons{};
  bool operator==(const DeviceProfile&) const = default;
};

struct DeviceState {
  int activeProfile = 1;
  std::array<DeviceProfile, kProfiles> profiles{};
  std::array<DeviceMacro, kMacroSlots> macros{};
  bool operator==(const DeviceState&) const = default;
};

}  // namespace vmouse
