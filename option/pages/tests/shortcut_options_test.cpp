#include "option/pages/shortcut_options.h"

#include <gtest/gtest.h>

TEST(ShortcutToggles, KeyAloneShowsOnAndGreysTheModifiers) {
  const bool options[5] = {true, true, false, true, false};
  const ShortcutToggleView view = ShortcutToggles(options);
  EXPECT_TRUE(view.heldDown[0]);
  EXPECT_TRUE(view.enabled[0]);
  for (int i = 1; i < 5; ++i) EXPECT_FALSE(view.enabled[i]) << i;
  // The modifier states are kept for when the key alone is switched off.
  EXPECT_TRUE(view.heldDown[1]);
  EXPECT_FALSE(view.heldDown[2]);
  EXPECT_TRUE(view.heldDown[3]);
}

TEST(ShortcutToggles, WithoutKeyAloneEveryToggleShowsItsStateAndIsEnabled) {
  const bool options[5] = {false, false, true, false, true};
  const ShortcutToggleView view = ShortcutToggles(options);
  for (int i = 0; i < 5; ++i) {
    EXPECT_TRUE(view.enabled[i]) << i;
    EXPECT_EQ(view.heldDown[i], options[i]) << i;
  }
}

TEST(ShortcutModifierBits, KeyAloneStoresBitZeroOnly) {
  const bool options[5] = {true, true, true, true, true};
  EXPECT_EQ(ShortcutModifierBits(options), 0x01);
}

TEST(ShortcutModifierBits, ModifiersMapToBitsOneToFour) {
  const bool none[5] = {};
  EXPECT_EQ(ShortcutModifierBits(none), 0x00);
  const bool shiftAlt[5] = {false, true, false, true, false};
  EXPECT_EQ(ShortcutModifierBits(shiftAlt), 0x02 | 0x08);
  const bool ctrlWin[5] = {false, false, true, false, true};
  EXPECT_EQ(ShortcutModifierBits(ctrlWin), 0x04 | 0x10);
}
