#include "monitor/service/key_actions.h"

#include <vector>

#include "settings/profile_set.h"
#include "settings/system_names.h"

namespace {
constexpr uint8_t kVkShift = 0x10, kVkCtrl = 0x11, kVkAlt = 0x12, kVkLeftWin = 0x5B,
                  kVkRightWin = 0x5C;
constexpr uint8_t kVkVolumeMute = 0xAD, kVkVolumeDown = 0xAE, kVkVolumeUp = 0xAF;
constexpr int kFunctionMute = 0x25, kFunctionVolumeUp = 0x26, kFunctionVolumeDown = 0x27;
constexpr unsigned kFirstRepeatMs = 1000, kRepeatMs = 100, kVolumeRepeatMs = 300;

// Modifiers go down Ctrl, Shift, Alt, Windows and come up in reverse.
std::vector<uint8_t> Modifiers(uint8_t bits) {
  std::vector<uint8_t> keys;
  if (bits & kModPlainKey) return keys;
  if (bits & kModCtrl) keys.push_back(kVkCtrl);
  if (bits & kModShift) keys.push_back(kVkShift);
  if (bits & kModAlt) keys.push_back(kVkAlt);
  if (bits & kModWin) keys.push_back(kVkLeftWin);
  return keys;
}

bool IsModifier(uint8_t vk) {
  return vk == kVkShift || vk == kVkCtrl || vk == kVkAlt || vk == kVkLeftWin ||
         vk == kVkRightWin || (vk >= 0xA0 && vk <= 0xA5);
}
}  // namespace

void CKeyActions::Press(uint8_t usage, uint8_t modifiers) {
  heldUsage_ = usage;
  for (uint8_t vk : Modifiers(modifiers)) {
    input_.Key(vk, false);
    input_.Pause(1);
  }
  if (const uint8_t vk = PlayableVirtualKey(table_, usage)) input_.Key(vk, false);
  firstRepeatTick_ = true;
  timers_.Start(TIMER_KEY_REPEAT, kFirstRepeatMs);
}

void CKeyActions::Release(uint8_t usage, uint8_t modifiers) {
  timers_.Stop(TIMER_KEY_REPEAT);
  if (const uint8_t vk = PlayableVirtualKey(table_, usage)) input_.Key(vk, true);
  const std::vector<uint8_t> mods = Modifiers(modifiers);
  for (auto it = mods.rbegin(); it != mods.rend(); ++it) {
    input_.Pause(1);
    input_.Key(*it, true);
  }
}

void CKeyActions::OnKeyRepeatTick() {
  if (firstRepeatTick_) {
    firstRepeatTick_ = false;
    timers_.Start(TIMER_KEY_REPEAT, kRepeatMs);
  }
  const uint8_t vk = PlayableVirtualKey(table_, heldUsage_);
  if (vk == 0 || IsModifier(vk)) return;
  input_.Key(vk, true);
  input_.Pause(1);
  input_.Key(vk, false);
}

void CKeyActions::Volume(int function, bool pressed) {
  if (function == kFunctionMute) {
    if (pressed) TapVolume(kVkVolumeMute);
    return;
  }
  if (function != kFunctionVolumeUp && function != kFunctionVolumeDown) return;
  if (!pressed) {
    timers_.Stop(TIMER_VOLUME_REPEAT);
    return;
  }
  volumeFunction_ = function;
  OnVolumeRepeatTick();
  timers_.Start(TIMER_VOLUME_REPEAT, kVolumeRepeatMs);
}

void CKeyActions::OnVolumeRepeatTick() {
  TapVolume(volumeFunction_ == kFunctionVolumeUp ? kVkVolumeUp : kVkVolumeDown);
}

void CKeyActions::StopRepeats() {
  timers_.Stop(TIMER_KEY_REPEAT);
  timers_.Stop(TIMER_VOLUME_REPEAT);
}

void CKeyActions::TapVolume(uint8_t vk) {
  input_.ExtendedKey(vk, false);
  input_.ExtendedKey(vk, true);
}
