#include "settings/profile_record.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>

namespace {

template <typename T, size_t N>
void Fill(T (&dest)[N], std::initializer_list<T> values) {
  std::copy(values.begin(), values.end(), dest);
}

template <typename T, size_t N>
void Fill(T (&dest)[N], T value) {
  std::fill(std::begin(dest), std::end(dest), value);
}

template <typename T, size_t N>
bool Differ(const T (&a)[N], const T (&b)[N]) {
  return !std::equal(std::begin(a), std::end(a), std::begin(b));
}

bool MiscDiffers(const Profile& a, const Profile& b) {
  return a.HDDKeyboard != b.HDDKeyboard || a.TimeCloseFlag != b.TimeCloseFlag ||
         a.LiftLevel != b.LiftLevel || a.ColorChangeMode != b.ColorChangeMode ||
         a.BTOption != b.BTOption;
}

// The sensitivity, DPI table and lighting fields, all sent in the mouse's
// settings block.
bool SettingsDiffer(const Profile& a, const Profile& b) {
  return a.XYSynchronous != b.XYSynchronous || a.Sensitivity_X != b.Sensitivity_X ||
         a.Sensitivity_Y != b.Sensitivity_Y || a.XYCpiFlag != b.XYCpiFlag ||
         Differ(a.CpiLevel_X, b.CpiLevel_X) || Differ(a.CpiLevel_Y, b.CpiLevel_Y) ||
         Differ(a.dpiStepFlag, b.dpiStepFlag) || Differ(a.dpiIndicator, b.dpiIndicator) ||
         Differ(a.DPIColor, b.DPIColor) || Differ(a.ColorOptions, b.ColorOptions) ||
         a.LightSwitch != b.LightSwitch || a.LightType != b.LightType ||
         a.LightIntensity != b.LightIntensity || a.BreathSpeed != b.BreathSpeed ||
         a.ColorFlag != b.ColorFlag || a.LightEffectSwitch1 != b.LightEffectSwitch1 ||
         a.LightEffectSwitch2 != b.LightEffectSwitch2 ||
         a.LightEffectType1 != b.LightEffectType1 || a.LightEffectType2 != b.LightEffectType2 ||
         a.ColorOptions1 != b.ColorOptions1 || a.ColorOptions2 != b.ColorOptions2 ||
         a.XuanCaiDirection != b.XuanCaiDirection || a.XuanCaiSpeed != b.XuanCaiSpeed ||
         a.XuanCaiSpecielSpeed != b.XuanCaiSpecielSpeed || a.NeonSpeed != b.NeonSpeed ||
         a.NeonSpecielSpeed != b.NeonSpecielSpeed || a.NeonIntensity != b.NeonIntensity ||
         a.QiSeSpeed != b.QiSeSpeed || a.QiSeIntensity != b.QiSeIntensity ||
         a.QiSeType != b.QiSeType || a.QiSeSpecielSpeed != b.QiSeSpecielSpeed ||
         Differ(a.ClQiSeColor, b.ClQiSeColor) || a.DanSeSpeed != b.DanSeSpeed ||
         a.DanSeSpecielSpeed != b.DanSeSpecielSpeed || a.DanSeIntensity != b.DanSeIntensity ||
         a.DanSeType != b.DanSeType;
}

}  // namespace

void ClearProfileSet(ProfileSet& block) {
  std::memset(&block, 0, sizeof block);
  block.CurrentProfile = -1;
  block.MouseType = 0;
}

void SetDefaultProfile(Profile& p, int n) {
  std::snprintf(p.ProFileName, sizeof p.ProFileName, "Default%d", n + 1);
  std::memset(p.GameFile, 0, sizeof p.GameFile);
  p.DbleClickSpeed = 550;
  p.ScrollWheelSpeed = 3;
  p.ScrollWheelFlag = 0;
  p.MouseSpeed = 10;
  p.Acceleration = 10;
  p.AccelerationFlag = 0;
  p.TiltSpeed = 3;
  p.LightIntensity = 3;
  p.BreathSpeed = 1;
  p.TimeCloseFlag = 1;
  p.MediaOption = 0;
  p.HDDKeyboard = 1;
  p.Orientation = 0;
  p.XYSynchronous = 0;
  p.Sensitivity_X = 10;
  p.Sensitivity_Y = 10;
  p.XYCpiFlag = 1;
  Fill(p.CpiLevel_X, {4, 6, 8, 10, 12});
  Fill(p.CpiLevel_Y, {4, 6, 8, 10, 12});
  p.CpiStep = 0;
  Fill(p.dpiStepFlag, 1);
  p.DpiIndicationType = 1;
  p.PollingRate = 2;
  p.LightSwitch = 0;
  p.LightType = kLightColourWave;
  p.ColorFlag = 1;
  Fill(p.ColorOptions, {0, 1, 3, 2, 4, 5, 6, 7});
  p.OTGSpeed = 10;
  Fill(p.DPIColor, {0x0000FFu, 0xFF0000u, 0x00FF00u, 0xFF00FFu, 0xFF0000u});
  p.BtnConfiguration = 4;
  p.Color1Type = 1;
  p.Color2Type = 1;
  p.LightEffectSwitch1 = 1;
  p.LightEffectSwitch2 = 0;
  p.LightEffectType1 = 0;
  p.LightEffectType2 = 1;
  p.ColorOptions1 = 1;
  p.ColorOptions2 = 1;
  p.ColorChangeModeOptions1 = 1;
  p.ColorChangeModeOptions2 = 1;
  p.FireOrOnToGoStatusIndicatorSetting = 1;
  p.ProfileSwitchIndictor = 1;

  std::memset(p.MacroKeyInfo, 0, sizeof p.MacroKeyInfo);
  for (int b = 0; b < kButtonCount; ++b) {
    p.MacroKeyInfo[b].button = static_cast<uint8_t>(b);
    p.MacroKeyInfo[b].function = kDefaultButtonFunctions[b];
  }

  p.XuanCaiDirection = 0;
  p.XuanCaiSpeed = 2;
  p.XuanCaiSpecielSpeed = 1;
  p.NeonSpeed = 2;
  p.NeonSpecielSpeed = 1;
  p.NeonIntensity = 0;
  p.QiSeSpeed = 2;
  p.QiSeIntensity = 0;
  p.QiSeType = 1;
  p.QiSeSpecielSpeed = 1;
  Fill(p.ClQiSeColor, {0xFF00FFu, 0x00FF00u, 0xFF0000u, 0x00FFFFu, 0xFFFF00u, 0xFF00FFu, 0xFFFFFFu});
  p.DanSeSpeed = 2;
  p.DanSeSpecielSpeed = 1;
  p.DanSeIntensity = 2;
  p.DanSeType = 2;
}

void SetDefaultSettings(ProfileSet& block) {
  block.CurrentProfile = 0;
  for (int n = 0; n < kProfileCount; ++n) SetDefaultProfile(block.Profiles[n], n);
}

void MarkAllChanged(ProfileSet& block) {
  for (auto& row : block.ButtonChanged) Fill(row, 1);
  Fill(block.MiscChanged, 1);
  Fill(block.OtgSpeedChanged, 1);
  block.ProfileIndexChanged = 1;
  Fill(block.PollingChanged, 1);
  Fill(block.LevelChanged, 1);
  Fill(block.SettingsChanged, 1);
}

void MarkProfileChanged(ProfileSet& block, int p) {
  if (p < 0 || p >= kProfileCount) return;
  Fill(block.ButtonChanged[p], 1);
  block.MiscChanged[p] = 1;
  block.OtgSpeedChanged[p] = 1;
  block.PollingChanged[p] = 1;
  block.LevelChanged[p] = 1;
  block.SettingsChanged[p] = 1;
  block.ProfileIndexChanged = 1;
}

void ClearChangeFlags(ProfileSet& block) {
  for (auto& row : block.ButtonChanged) Fill(row, 0);
  Fill(block.MiscChanged, 0);
  Fill(block.OtgSpeedChanged, 0);
}

void ComputeChangeFlags(const ProfileSet& saved, ProfileSet& working) {
  for (int p = 0; p < kProfileCount; ++p) {
    const Profile& a = saved.Profiles[p];
    const Profile& b = working.Profiles[p];
    working.MiscChanged[p] = MiscDiffers(a, b);
    working.OtgSpeedChanged[p] = a.OTGSpeed != b.OTGSpeed;
    working.PollingChanged[p] = a.PollingRate != b.PollingRate;
    working.LevelChanged[p] = a.CpiStep != b.CpiStep;
    working.SettingsChanged[p] = SettingsDiffer(a, b);
  }
  working.ProfileIndexChanged = saved.CurrentProfile != working.CurrentProfile;
}
