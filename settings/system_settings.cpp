#include "settings/system_settings.h"

#include <algorithm>
#include <cctype>
#include <cstdint>

namespace {

// Values are read into buffers of this size, as the system dialogs do.
constexpr size_t kValueBytes = 80;
constexpr size_t kLiveValueBytes = 260;

void WriteNumber(CRegistryKey& key, std::string_view name, int value) {
  key.WriteString(name, std::to_string(value));
}

int ReadNumber(CRegistryKey& key, std::string_view name, size_t maxBytes = kValueBytes) {
  return RegistryNumber(key.ReadString(name, maxBytes));
}

}  // namespace

AccelerationRow AccelerationTableRow(int row) {
  if (row <= 0) return {0, 0, 0};
  if (row <= 10) return {1, 14 - row, 0};
  row = std::min(row, kAccelerationRows - 1);
  return {2, 4, 24 - row};
}

int AccelerationRowOf(const Profile& profile) {
  if (profile.AccelerationFlag == 0 || profile.Acceleration < 0) return 0;
  return std::min(profile.Acceleration, kAccelerationRows - 1);
}

int AccelerationRowMatching(int speed, int threshold1, int threshold2) {
  int match = -1;
  for (int r = 0; r < kAccelerationRows; ++r) {
    const AccelerationRow row = AccelerationTableRow(r);
    if (row.speed == speed && threshold1 <= row.threshold1 && threshold2 <= row.threshold2)
      match = r;
  }
  return match;
}

int RegistryNumber(const std::optional<std::string>& text) {
  if (!text) return 0;
  const std::string& s = *text;
  size_t i = 0;
  while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '-' || s[i] == '+')) negative = s[i++] == '-';
  int64_t value = 0;
  for (; i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])); ++i) {
    value = value * 10 + (s[i] - '0');
    if (value > INT32_MAX) return negative ? INT32_MIN : INT32_MAX;  // saturate, never overflow
  }
  return static_cast<int>(negative ? -value : value);
}

int WriteSystemSettings(const Profile& profile, CRegistry& registry) {
  {
    const std::unique_ptr<CRegistryKey> mouse = registry.OpenOrCreate(kMouseKey);
    if (!mouse) return -1;
    WriteNumber(*mouse, "DoubleClickSpeed", profile.DbleClickSpeed);
    WriteNumber(*mouse, "SwapMouseButtons", profile.Orientation);
    WriteNumber(*mouse, "MouseSensitivity", profile.MouseSpeed);
    const AccelerationRow row = AccelerationTableRow(AccelerationRowOf(profile));
    WriteNumber(*mouse, "MouseSpeed", row.speed);
    WriteNumber(*mouse, "MouseThreshold1", row.threshold1);
    WriteNumber(*mouse, "MouseThreshold2", row.threshold2);
  }
  const std::unique_ptr<CRegistryKey> desktop = registry.OpenOrCreate(kDesktopKey);
  if (!desktop) return -1;
  // -1 lines means one page per notch.
  WriteNumber(*desktop, "WheelScrollLines",
              profile.ScrollWheelFlag == 1 ? -1 : profile.ScrollWheelSpeed);
  return 1;
}

int ReadSystemSettings(Profile& profile, CRegistry& registry) {
  {
    const std::unique_ptr<CRegistryKey> mouse = registry.OpenOrCreate(kMouseKey);
    if (!mouse) return 0;
    profile.DbleClickSpeed = ReadNumber(*mouse, "DoubleClickSpeed");
    profile.Orientation = ReadNumber(*mouse, "SwapMouseButtons");
    profile.MouseSpeed = ReadNumber(*mouse, "MouseSensitivity");
    const int row = AccelerationRowMatching(ReadNumber(*mouse, "MouseSpeed"),
                                            ReadNumber(*mouse, "MouseThreshold1"),
                                            ReadNumber(*mouse, "MouseThreshold2"));
    if (row >= 0) profile.Acceleration = row;
    profile.AccelerationFlag = profile.Acceleration != 0 ? 1 : 0;
  }
  const std::unique_ptr<CRegistryKey> desktop = registry.OpenOrCreate(kDesktopKey);
  if (!desktop) return -1;
  const int lines = ReadNumber(*desktop, "WheelScrollLines");
  profile.ScrollWheelSpeed = lines == -1 ? 0 : lines;
  profile.ScrollWheelFlag = lines == -1 ? 1 : 0;
  return 1;
}

AccelerationRow LiveAcceleration(Profile& profile, CRegistry& registry) {
  const std::unique_ptr<CRegistryKey> mouse = registry.OpenOrCreate(kMouseKey);
  // Without the key, the profile's own row is the best knowledge there is.
  if (!mouse) return AccelerationTableRow(AccelerationRowOf(profile));
  AccelerationRow live{ReadNumber(*mouse, "MouseSpeed", kLiveValueBytes),
                       ReadNumber(*mouse, "MouseThreshold1", kLiveValueBytes),
                       ReadNumber(*mouse, "MouseThreshold2", kLiveValueBytes)};
  const bool any = live.speed != 0 || live.threshold1 != 0 || live.threshold2 != 0;
  if (profile.AccelerationFlag != 1 && any) {
    profile.Acceleration = 0;
    WriteNumber(*mouse, "MouseSpeed", 0);
    WriteNumber(*mouse, "MouseThreshold1", 0);
    WriteNumber(*mouse, "MouseThreshold2", 0);
    live = {0, 0, 0};
  }
  return live;
}
