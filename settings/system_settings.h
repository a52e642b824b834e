// The seven profile fields that are the user's own desktop mouse settings
// (double-click time, button swap, pointer speed, acceleration, wheel lines),
// mapped onto the user's registry values. The registry is reached through a
// small interface so the mapping runs and is tested on any platform.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "settings/profile_set.h"

inline constexpr char kMouseKey[] = "Control Panel\\Mouse";
inline constexpr char kDesktopKey[] = "Control Panel\\Desktop";

// An open key of the current user's registry; closed when destroyed.
class CRegistryKey {
 public:
  virtual ~CRegistryKey() = default;
  // A string value of at most maxBytes - 1 characters; nullopt when missing.
  virtual std::optional<std::string> ReadString(std::string_view name, size_t maxBytes) = 0;
  virtual bool WriteString(std::string_view name, std::string_view value) = 0;
};

class CRegistry {
 public:
  virtual ~CRegistry() = default;
  // Opens the key below the current user with full access, creating it when
  // missing; null when neither works.
  virtual std::unique_ptr<CRegistryKey> OpenOrCreate(std::string_view path) = 0;
};

// One row of the acceleration table: the registry values "MouseSpeed",
// "MouseThreshold1", "MouseThreshold2".
struct AccelerationRow {
  int speed;
  int threshold1;
  int threshold2;
};
inline constexpr int kAccelerationRows = 20;
AccelerationRow AccelerationTableRow(int row);  // row 0..19
// The row written for a profile: 0 when acceleration is off.
int AccelerationRowOf(const Profile& profile);
// The last row that the three registry values fit, or -1 when none does.
int AccelerationRowMatching(int speed, int threshold1, int threshold2);

// Decimal text as the system reads it: optional blanks and sign, then digits;
// anything else (or nothing) reads as 0.
int RegistryNumber(const std::optional<std::string>& text);

// 1 on success, -1 if a key can't be opened or created.
int WriteSystemSettings(const Profile& profile, CRegistry& registry);
// 1 on success; 0 if the mouse key can't be opened, -1 if the desktop key
// can't be opened (the mouse values are then already read).
int ReadSystemSettings(Profile& profile, CRegistry& registry);

// The acceleration values to put into effect: the registry's, unless the
// profile has acceleration off while the registry still holds some; then
// the registry values and the profile's Acceleration are reset to 0.
AccelerationRow LiveAcceleration(Profile& profile, CRegistry& registry);
