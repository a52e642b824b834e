#include "option/pages/shortcut_options.h"

ShortcutToggleView ShortcutToggles(const bool (&options)[kShortcutOptionCount]) {
  ShortcutToggleView view{};
  const bool plain = options[0];
  for (int i = 0; i < kShortcutOptionCount; ++i) {
    view.heldDown[i] = options[i];
    view.enabled[i] = !plain || i == 0;
  }
  return view;
}

uint8_t ShortcutModifierBits(const bool (&options)[kShortcutOptionCount]) {
  if (options[0]) return 1;
  uint8_t bits = 0;
  for (int i = 1; i < kShortcutOptionCount; ++i)
    if (options[i]) bits |= uint8_t(1u << i);
  return bits;
}
