// The dispatch of the button, program and multimedia events that Monitor's
// window receives to the key, macro and media actions.
#pragma once

#include <array>
#include <string>

#include "monitor/service/host_actions.h"
#include "monitor/service/key_actions.h"
#include "monitor/service/macro_player.h"
#include "monitor/service/media_players.h"
#include "settings/profile_set.h"

// Starting programs and telling MacroThread to play.
class CActionLauncher {
 public:
  virtual ~CActionLauncher() = default;
  // Opens a program or document with the shell, shown normally.
  virtual void Open(const std::string& path) = 0;
  // Posts MSG_PLAY_MACRO to MacroThread; false when it could not be posted.
  virtual bool PlayMacro() = 0;
};

class CButtonActions final : public CHostActions {
 public:
  CButtonActions(const ProfileSet& set, CKeyActions& keys, CMacroPlayer& macros,
                 CMediaPlayers& media, CActionLauncher& launcher)
      : set_(set), keys_(keys), macros_(macros), media_(media), launcher_(launcher) {}

  void OnButton(int button, bool pressed) override;
  void OnRunProgram(int button) override;
  void OnMultimedia(int function, bool pressed) override;
  void OnTimer(unsigned timerId) override;
  void ReleaseHeld() override;

 private:
  // The record of button 1..16 in the current profile, or nullptr.
  const MacroKeyInfo* Button(int button) const;
  int Player() const;
  // Lets go of the combination that button 1..16 pressed; false if it
  // pressed none.
  bool ReleasePressedKey(int button);

  const ProfileSet& set_;
  CKeyActions& keys_;
  CMacroPlayer& macros_;
  CMediaPlayers& media_;
  CActionLauncher& launcher_;
  // The combination each button pressed: its release lets go of exactly
  // that, even when the profile or the button's function changed meanwhile
  // (the mouse's own profile button pressed while a key is held).
  struct PressedKey {
    bool down = false;
    uint8_t usage = 0, modifiers = 0;
  };
  std::array<PressedKey, kButtonCount> pressed_{};
};
