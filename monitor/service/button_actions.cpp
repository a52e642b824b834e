#include "monitor/service/button_actions.h"

#include <cstring>

#include "settings/system_names.h"

const MacroKeyInfo* CButtonActions::Button(int button) const {
  const int profile = set_.CurrentProfile;
  if (profile < 0 || profile >= kProfileCount || button < 1 || button > kButtonCount) {
    return nullptr;
  }
  return &set_.Profiles[profile].MacroKeyInfo[button - 1];
}

int CButtonActions::Player() const {
  const int profile = set_.CurrentProfile;
  return profile >= 0 && profile < kProfileCount ? set_.Profiles[profile].MediaOption : -1;
}

void CButtonActions::OnButton(int button, bool pressed) {
  if (!pressed && ReleasePressedKey(button)) return;
  const MacroKeyInfo* info = Button(button);
  if (!info) return;
  if (info->function == kFunctionKey) {
    if (pressed) {
      keys_.Press(info->data[0], info->data[1]);
      pressed_[button - 1] = {true, info->data[0], info->data[1]};
    } else {
      keys_.Release(info->data[0], info->data[1]);
    }
  } else if (info->function == kFunctionMacro && pressed) {
    if (macros_.Stage(*info) && !launcher_.PlayMacro()) macros_.CancelStaged();
  }
}

bool CButtonActions::ReleasePressedKey(int button) {
  if (button < 1 || button > kButtonCount || !pressed_[button - 1].down) return false;
  PressedKey& key = pressed_[button - 1];
  key.down = false;
  keys_.Release(key.usage, key.modifiers);
  return true;
}

void CButtonActions::OnRunProgram(int button) {
  const MacroKeyInfo* info = Button(button);
  if (!info || info->function != kFunctionProgram) return;
  const size_t length = strnlen(info->program, sizeof info->program);
  if (length == 0) return;
  launcher_.Open(std::string(info->program, length));
}

void CButtonActions::OnMultimedia(int function, bool pressed) {
  if (function >= 0x25 && function <= 0x27) {
    keys_.Volume(function, pressed);
  } else if (!pressed) {
    return;
  } else if (function == MEDIA_START) {
    media_.Start(Player());
  } else {
    media_.Command(Player(), function);
  }
}

void CButtonActions::ReleaseHeld() {
  for (int button = 1; button <= kButtonCount; ++button) ReleasePressedKey(button);
  keys_.StopRepeats();
}

void CButtonActions::OnTimer(unsigned timerId) {
  if (timerId == TIMER_KEY_REPEAT) keys_.OnKeyRepeatTick();
  if (timerId == TIMER_VOLUME_REPEAT) keys_.OnVolumeRepeatTick();
}
