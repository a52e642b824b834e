// The option toggles of a key combination: option 0 is "the key alone",
// options 1-4 add Shift, Ctrl, Alt and the Windows key.
#pragma once

#include <cstdint>

inline constexpr int kShortcutOptionCount = 5;

// What each toggle shows: held down and enabled.
struct ShortcutToggleView {
  bool heldDown[kShortcutOptionCount];
  bool enabled[kShortcutOptionCount];
};

// The key alone overrides the modifiers: toggle 0 shows on and toggles 1-4
// are greyed out (their states are kept but don't count). Otherwise every
// toggle shows its state and can be clicked.
ShortcutToggleView ShortcutToggles(const bool (&options)[kShortcutOptionCount]);

// The modifier bits a button slot stores: bit 0 alone for the key alone,
// else bits 1-4 from options 1-4.
uint8_t ShortcutModifierBits(const bool (&options)[kShortcutOptionCount]);
