// A profile set that exercises every part of a transfer, and the state the
// mouse must hold after receiving it, written out by hand from what each
// profile field means on the mouse.
#pragma once

#include <cstring>

#include "settings/profile_set.h"
#include "virtualmouse/device_state.h"

namespace {

constexpr vmouse::Rgb kPalette[8] = {{255, 0, 0},   {0, 255, 0},   {255, 255, 0},
                                     {0, 0, 255},   {255, 0, 255}, {0, 255, 255},
                                     {255, 255, 255}, {255, 255, 255}};
constexpr int kDefaultFunctions[16] = {1, 2, 3, 7, 8, 13, 86, 0, 0, 0, 0, 0, 0, 0, 9, 10};

void PutEvent(MacroKeyInfo& k, int i, std::uint8_t code, std::uint8_t direction,
              std::uint16_t delay) {
  const MacroEvent e{code, direction, delay};
  std::memcpy(k.data + 4 * i, &e, sizeof e);
}

ProfileSet TestProfileSet() {
  ProfileSet set{};
  set.CurrentProfile = 2;
  for (int p = 0; p < kProfileCount; ++p) {
    Profile& f = set.Profiles[p];
    f.PollingRate = p % 4;
    f.CpiStep = p;
    f.Sensitivity_X = 10 + p;
    f.Sensitivity_Y = 5 + p;
    for (int i = 0; i < kLevelCount; ++i) f.CpiLevel_X[i] = f.CpiLevel_Y[i] = (p + i) % 12 + 1;
    for (int k = 0; k < 8; ++k) f.ColorOptions[k] = (k + p) % 8;
    for (int b = 0; b < kButtonCount; ++b) {
      f.MacroKeyInfo[b].button = static_cast<std::uint8_t>(b);
      f.MacroKeyInfo[b].function = static_cast<std::uint8_t>(kDefaultFunctions[b]);
    }
  }
  // Lighting: one of each family.
  set.Profiles[0].LightType = 0;
  set.Profiles[0].DanSeType = 1;
  set.Profiles[0].DanSeIntensity = 2;
  set.Profiles[1].LightType = 1;
  set.Profiles[1].NeonSpeed = 2;
  set.Profiles[2].LightType = 2;
  set.Profiles[2].XuanCaiSpeed = 5;
  set.Profiles[2].XuanCaiSpecielSpeed = 10;
  set.Profiles[2].XuanCaiDirection = 1;
  set.Profiles[3].LightType = 3;
  set.Profiles[3].QiSeSpeed = 1;
  set.Profiles[4].LightType = 9;

  // Profile 0's buttons 7..13: a key, a macro, a program, a shortcut, a
  // repeated press, a media key, a profile switch.
  Profile& f = set.Profiles[0];
  f.OTGSpeed = 7;
  f.MacroKeyInfo[7].function = 5;
  f.MacroKeyInfo[7].count = 1;
  f.MacroKeyInfo[7].data[0] = 0x04;  // record byte 38: the key's usage
  f.MacroKeyInfo[7].data[1] = 0x06;  // record byte 39: Shift and Ctrl
  MacroKeyInfo& macro = f.MacroKeyInfo[8];
  macro.function = 16;
  macro.repeat = 2;
  macro.playMode = 1;
  macro.count = 3;
  PutEvent(macro, 0, 0x04, 1, 20);
  PutEvent(macro, 1, 0x04, 2, 1300);
  PutEvent(macro, 2, 0xF0, 1, 0);
  f.MacroKeyInfo[9].function = 17;
  f.MacroKeyInfo[10].function = 51;
  f.MacroKeyInfo[11].function = 22;
  f.MacroKeyInfo[12].function = 31;
  f.MacroKeyInfo[13].function = 19;
  return set;
}

vmouse::ButtonCode DefaultCode(int function) {
  switch (function) {
    case 1: return {1, 0, 0xF0, 0};
    case 2: return {1, 0, 0xF1, 0};
    case 3: return {1, 0, 0xF2, 0};
    case 7: return {1, 0, 0xF4, 0};
    case 8: return {1, 0, 0xF3, 0};
    case 13: return {7, 0, 3, 0};
    case 86: return {11, 8, 0, 0};
    case 9: return {4, 0, 1, 0};
    case 10: return {4, 0, 2, 0};
  }
  return {0, 0, 0, 0};
}

vmouse::DeviceState ExpectedAfterFullTransfer() {
  vmouse::DeviceState s;
  s.activeProfile = 3;
  const int intervals[5] = {8, 4, 2, 1, 8};
  const vmouse::Lighting lighting[5] = {{1, 15, 0x80}, {3, 25, 0}, {4, 33, 1}, {2, 37, 0}, {2, 1, 2}};
  for (int p = 0; p < 5; ++p) {
    vmouse::DeviceProfile& d = s.profiles[p];
    d.interval = intervals[p];
    d.level = p + 1;
    d.settings.received = true;
    d.settings.sensitivityX = 10 + p;
    d.settings.sensitivityY = 5 + p;
    for (int i = 0; i < 5; ++i) d.settings.levels[i] = d.settings.secondLevels[i] = (p + i) % 12 + 1;
    d.settings.lighting = lighting[p];
    for (int k = 0; k < 8; ++k) d.settings.colours[k] = kPalette[(k + p) % 8];
    d.buttonsReceived = true;
    for (int b = 0; b < 16; ++b) d.buttons[b] = DefaultCode(kDefaultFunctions[b]);
  }
  vmouse::DeviceProfile& d = s.profiles[0];
  d.buttons[7] = {0, 0x03, 0x04, 0};
  d.buttons[8] = {9, 1, 9, 3};
  d.buttons[9] = {6, 0, 10, 10};
  d.buttons[10] = {9, 0, 11, 4};
  d.buttons[11] = {10, 1, 7, 7};
  d.buttons[12] = {3, 0, 0xE9, 0x00};
  d.buttons[13] = {8, 0, 1, 0};
  // The mouse keeps pauses in 10 ms steps with the lowest bit taken as a
  // marker, and long pauses in 50 ms steps.
  s.macros[8] = {true, true, 2, {{true, 0x04, 20}, {false, 0x04, 1300}, {true, 0xF0, 0}}};
  s.macros[10] = {true, true, 1, {{true, 0xE0, 0}, {true, 0x06, 0}, {false, 0x06, 0}, {false, 0xE0, 0}}};
  return s;
}

// Changes with their flags, and one change without: the mouse must only see
// the flagged ones.
void ChangeProfileSet(ProfileSet& set) {
  std::memset(set.ButtonChanged, 0, sizeof set.ButtonChanged);
  std::memset(set.PollingChanged, 0, sizeof set.PollingChanged);
  std::memset(set.LevelChanged, 0, sizeof set.LevelChanged);
  std::memset(set.SettingsChanged, 0, sizeof set.SettingsChanged);
  set.CurrentProfile = 4;
  set.Profiles[1].PollingRate = 3;
  set.PollingChanged[1] = 1;
  set.Profiles[3].DanSeType = 2;
  set.Profiles[3].DanSeSpeed = 1;
  set.Profiles[3].LightType = 0;
  set.SettingsChanged[3] = 1;
  set.Profiles[0].MacroKeyInfo[12].function = 28;
  set.ButtonChanged[0][12] = 1;
  set.Profiles[2].CpiStep = 0;  // not flagged
}

void ApplyExpectedChange(vmouse::DeviceState& s) {
  s.activeProfile = 5;
  s.profiles[1].interval = 1;
  s.profiles[3].settings.lighting = {2, 50, 0x80};
  s.profiles[0].buttons[12] = {3, 0, 0xCD, 0x00};
}

}  // namespace
