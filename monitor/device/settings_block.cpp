#include "monitor/device/settings_block.h"

#include <algorithm>

namespace {

// Palette index a slot falls back to when its stored index has no colour:
// the slot's default assignment.
constexpr int kDefaultColorOptions[8] = {0, 1, 3, 2, 4, 5, 6, 7};

constexpr DeviceColor kPalette[kPaletteSize] = {
    {255, 0, 0},   {0, 255, 0},   {255, 255, 0},   {0, 0, 255},
    {255, 0, 255}, {0, 255, 255}, {255, 255, 255}, {255, 255, 255},
};

// Everything on the device is 8-bit; wrap like it does, without signed overflow.
std::uint8_t Low8(int32_t v) { return static_cast<std::uint8_t>(static_cast<uint32_t>(v)); }

// Rate of a user-chosen speed: speed * 2 + 13 on 8 bits.
std::uint8_t CustomRate(int32_t speed) {
  return static_cast<std::uint8_t>(static_cast<uint32_t>(speed) * 2u + 13u);
}

// Preset speeds 1 / 2 / 3 give fast, medium, slow rates; 0 means "custom".
std::uint8_t PresetRate(int32_t speed, const std::uint8_t (&rates)[3]) {
  return (speed >= 1 && speed <= 3) ? rates[speed - 1] : 0;
}

constexpr std::uint8_t kWaveRates[3] = {37, 25, 15};
constexpr std::uint8_t kBreathRates[3] = {50, 25, 15};
constexpr std::uint8_t kSteadyRates[3] = {5, 15, 37};

LightingBytes SingleColour(const Profile& p) {
  if (p.DanSeType == 1) {
    if (p.DanSeIntensity == 4) return {kLightingOff, 0, 0};
    const std::uint8_t rate = (p.DanSeIntensity == 1 || p.DanSeIntensity == 2)
                                  ? kSteadyRates[p.DanSeIntensity - 1]
                                  : kSteadyRates[2];
    return {kLightingSteady, rate, 0x80};
  }
  const std::uint8_t preset = PresetRate(p.DanSeSpeed, kBreathRates);
  return {kLightingBreathing, preset ? preset : CustomRate(p.DanSeSpecielSpeed), 0x80};
}

LightingBytes Neon(const Profile& p) {
  if (p.NeonIntensity == 1) return {kLightingOff, 0, 0};
  const std::uint8_t preset = PresetRate(p.NeonSpeed, kWaveRates);
  // A custom neon speed goes out as a wave, as the device has always received it.
  if (!preset) return {kLightingWave, CustomRate(p.NeonSpecielSpeed), 0};
  return {kLightingNeon, preset, 0};
}

LightingBytes ColourWave(const Profile& p) {
  if (p.LightSwitch == 1) return {kLightingOff, 0, 0};
  const std::uint8_t preset = PresetRate(p.XuanCaiSpeed, kWaveRates);
  return {kLightingWave, preset ? preset : CustomRate(p.XuanCaiSpecielSpeed),
          Low8(p.XuanCaiDirection)};
}

LightingBytes SevenColours(const Profile& p) {
  if (p.QiSeIntensity == 1) return {kLightingOff, 0, 0};
  const std::uint8_t preset = PresetRate(p.QiSeSpeed, kWaveRates);
  return {kLightingBreathing, preset ? preset : CustomRate(p.QiSeSpecielSpeed), 0};
}

void PutLevelCodes(DeviceBlock& block, std::size_t at, const int32_t (&levels)[kLevelCount]) {
  for (int i = 0; i < kLevelCount; ++i) block[at + i] = LevelCode(levels[i]);
}

}  // namespace

std::uint8_t LevelCode(int32_t level) {
  if (level == 1 || (level >= 3 && level <= 8)) return static_cast<std::uint8_t>(level);
  if (level >= 9 && level <= 12) return static_cast<std::uint8_t>(0x15 + (level - 9));
  return 0x02;
}

DeviceColor PaletteColor(int index) {
  return (index >= 0 && index < kPaletteSize) ? kPalette[index] : DeviceColor{0, 0, 0};
}

LightingBytes EncodeLighting(const Profile& profile) {
  switch (profile.LightType) {
    case kLightSingleColour: return SingleColour(profile);
    case kLightNeon: return Neon(profile);
    case kLightColourWave: return ColourWave(profile);
    case kLightSevenColours: return SevenColours(profile);
    default: return {kLightingBreathing, 1, 2};
  }
}

DeviceBlock BuildSettingsBlock(const Profile& profile) {
  DeviceBlock b{};
  b[0] = 0xFF;
  b[1] = 0xFF;
  const std::uint8_t at48[] = {0x35, 0xD4, 0x0B, 0x04};
  std::copy(std::begin(at48), std::end(at48), b.begin() + 48);
  const std::uint8_t at61[] = {0x80, 0x03, 0x00, 0x0F, 0x00, 0x0A, 0x0A, 0x19, 0x19, 0x05};
  std::copy(std::begin(at61), std::end(at61), b.begin() + 61);

  const LightingBytes light = EncodeLighting(profile);
  b[71] = light.mode;
  b[72] = light.rate;
  b[73] = light.parameter;
  b[74] = static_cast<std::uint8_t>(static_cast<uint32_t>(profile.Sensitivity_X) * 10u);
  b[75] = static_cast<std::uint8_t>(static_cast<uint32_t>(profile.Sensitivity_Y) * 10u);

  const std::uint8_t at76[] = {0x01, 0xC0, 0xF0, 0x03, 0x01, 0x01, 0x64, 0x00};
  std::copy(std::begin(at76), std::end(at76), b.begin() + 76);
  PutLevelCodes(b, 84, profile.CpiLevel_X);
  b[89] = b[90] = b[91] = 0x07;
  // The second level table carries the X levels too, as the device has always
  // received it.
  PutLevelCodes(b, 92, profile.CpiLevel_X);
  b[97] = b[98] = b[99] = 0x07;
  b[100] = 0x7F;
  b[101] = b[102] = b[103] = 0xFF;

  for (int k = 0; k < 8; ++k) {
    int index = profile.ColorOptions[k];
    if (index < 0 || index >= kPaletteSize) index = kDefaultColorOptions[k];
    const DeviceColor c = PaletteColor(index);
    std::copy(c.begin(), c.end(), b.begin() + 104 + 3 * k);
  }
  return b;
}
