#include "option/pages/lighting_rules.h"

namespace {
constexpr int kFirstEffectName = 1072;

bool IsEffect(int lightType) { return lightType >= 0 && lightType < kLightEffectCount; }

constexpr LightPanelLayout kLayouts[kLightEffectCount] = {
    {"skin_danse_light.ini", 3, 5, -1, {0, 1}, 7, &Profile::DanSeSpeed, &Profile::DanSeSpecielSpeed,
     nullptr, &Profile::DanSeType, {1, 2}},
    {"skin_dandian_light.ini", 1, 2, 3, {-1, -1}, -1, &Profile::NeonSpeed, &Profile::NeonSpecielSpeed,
     &Profile::NeonIntensity, nullptr, {0, 0}},
    {"skin_xuancai_light.ini", 3, 4, 5, {1, 2}, -1, &Profile::XuanCaiSpeed,
     &Profile::XuanCaiSpecielSpeed, &Profile::LightSwitch, &Profile::XuanCaiDirection, {0, 1}},
    {"skin_qise_light.ini", 3, 5, 4, {1, 2}, 7, &Profile::QiSeSpeed, &Profile::QiSeSpecielSpeed,
     &Profile::QiSeIntensity, &Profile::QiSeType, {0, 1}},
};
}  // namespace

LightEffect PanelOf(int lightType) {
  return IsEffect(lightType) ? static_cast<LightEffect>(lightType) : LightEffect::SingleColour;
}

int HeldEffectButton(int lightType) { return IsEffect(lightType) ? lightType : -1; }

int EffectNameId(int lightType) { return IsEffect(lightType) ? kFirstEffectName + lightType : 0; }

std::optional<int> EffectOfMenuItem(unsigned item) {
  if (item < kFirstEffectItem || item >= kFirstEffectItem + kLightEffectCount) return std::nullopt;
  return static_cast<int>(item - kFirstEffectItem);
}

const LightPanelLayout& LayoutOf(LightEffect effect) { return kLayouts[static_cast<int>(effect)]; }

bool OffSwitchHeld(const Profile& profile, LightEffect effect) {
  const auto field = LayoutOf(effect).offSwitch;
  return field && profile.*field == 1;
}

void StoreOffSwitch(Profile& profile, LightEffect effect, bool held) {
  if (const auto field = LayoutOf(effect).offSwitch) profile.*field = held ? 1 : 0;
}

int HeldPairButton(const Profile& profile, LightEffect effect) {
  const LightPanelLayout& layout = LayoutOf(effect);
  if (!layout.pair) return -1;
  for (int i = 0; i < 2; ++i)
    if (profile.*layout.pair == layout.pairValues[i]) return i;
  return -1;
}

void ChoosePairButton(Profile& profile, LightEffect effect, int button) {
  const LightPanelLayout& layout = LayoutOf(effect);
  if (layout.pair && (button == 0 || button == 1)) profile.*layout.pair = layout.pairValues[button];
}

bool ChooseLevelColour(Profile& profile, int button) {
  // The current level comes from files and from the mouse: never index past the array by it.
  if (profile.CpiStep < 0 || profile.CpiStep >= kLevelCount) return false;
  if (button < 0 || button >= kLightColourCount) return false;
  profile.ColorOptions[profile.CpiStep] = button;
  return true;
}

int LevelColourButton(const Profile& profile, int level) {
  if (level < 0 || level >= kLevelCount) return -1;
  const int colour = profile.ColorOptions[level];
  return colour >= 0 && colour < kLightColourCount ? colour : -1;
}
