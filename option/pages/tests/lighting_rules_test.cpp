#include "option/pages/lighting_rules.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(LightingRules, EffectShownForEveryLightType) {
  for (int type = 0; type < kLightEffectCount; ++type) {
    EXPECT_EQ(PanelOf(type), static_cast<LightEffect>(type));
    EXPECT_EQ(HeldEffectButton(type), type);
    EXPECT_EQ(EffectNameId(type), 1072 + type);
  }
  for (int type : {-1, 4, 255, 0x7FFFFFFF}) {
    EXPECT_EQ(PanelOf(type), LightEffect::SingleColour) << type;
    EXPECT_EQ(HeldEffectButton(type), -1) << type;
    EXPECT_EQ(EffectNameId(type), 0) << type;
  }
  EXPECT_EQ(EffectOfMenuItem(1001), 0);
  EXPECT_EQ(EffectOfMenuItem(1004), 3);
  EXPECT_EQ(EffectOfMenuItem(1000), std::nullopt);
  EXPECT_EQ(EffectOfMenuItem(1005), std::nullopt);
}

TEST(LightingRules, MenuStaysClosedForTheClickThatClosedIt) {
  CEffectMenuGuard guard;
  EXPECT_TRUE(guard.MayOpen(5));
  guard.MenuClosed(1000);
  EXPECT_FALSE(guard.MayOpen(1000));
  EXPECT_FALSE(guard.MayOpen(1199));
  EXPECT_TRUE(guard.MayOpen(1200));
  guard.MenuClosed(0xFFFFFF80u);  // the tick count wraps meanwhile
  EXPECT_FALSE(guard.MayOpen(0x20));
  EXPECT_TRUE(guard.MayOpen(0x48));
}

TEST(LightingRules, EachPanelEditsItsOwnFields) {
  Profile p{};
  StoreOffSwitch(p, LightEffect::Neon, true);
  StoreOffSwitch(p, LightEffect::ColourWave, true);
  StoreOffSwitch(p, LightEffect::SevenColours, false);
  StoreOffSwitch(p, LightEffect::SingleColour, true);  // it has none
  EXPECT_EQ(p.NeonIntensity, 1);
  EXPECT_EQ(p.LightSwitch, 1);
  EXPECT_EQ(p.QiSeIntensity, 0);
  EXPECT_TRUE(OffSwitchHeld(p, LightEffect::ColourWave));
  EXPECT_FALSE(OffSwitchHeld(p, LightEffect::SingleColour));
  p.QiSeIntensity = 2;  // only 1 means off
  EXPECT_FALSE(OffSwitchHeld(p, LightEffect::SevenColours));

  ChoosePairButton(p, LightEffect::SingleColour, 1);
  ChoosePairButton(p, LightEffect::ColourWave, 1);
  ChoosePairButton(p, LightEffect::SevenColours, 0);
  EXPECT_EQ(p.DanSeType, 2);
  EXPECT_EQ(p.XuanCaiDirection, 1);
  EXPECT_EQ(p.QiSeType, 0);
  EXPECT_EQ(HeldPairButton(p, LightEffect::SingleColour), 1);
  p.DanSeType = 0;  // neither 1 nor 2
  EXPECT_EQ(HeldPairButton(p, LightEffect::SingleColour), -1);
  EXPECT_EQ(HeldPairButton(p, LightEffect::Neon), -1);

  const LightPanelLayout& wave = LayoutOf(LightEffect::ColourWave);
  EXPECT_EQ(&(p.*wave.speed), &p.XuanCaiSpeed);
  EXPECT_EQ(&(p.*wave.customSpeed), &p.XuanCaiSpecielSpeed);
  EXPECT_TRUE(CustomSpeedEnabled(4));
  EXPECT_FALSE(CustomSpeedEnabled(3));
}

TEST(LightingRules, ColourOfTheCurrentLevel) {
  Profile p{};
  const int8_t palette[8] = {0, 1, 3, 2, 4, 5, 6, 7};
  for (int i = 0; i < 8; ++i) p.ColorOptions[i] = palette[i];
  p.CpiStep = 2;
  EXPECT_TRUE(ChooseLevelColour(p, 5));
  EXPECT_EQ(p.ColorOptions[2], 5);
  EXPECT_EQ(LevelColourButton(p, 2), 5);
  EXPECT_EQ(LevelColourButton(p, 3), 2);  // each level keeps its own
  EXPECT_FALSE(ChooseLevelColour(p, 7));

  p.ColorOptions[4] = 7;  // white twice over: no button of the seven
  EXPECT_EQ(LevelColourButton(p, 4), -1);
  EXPECT_EQ(LevelColourButton(p, 5), -1);

  const Profile before = p;
  p.CpiStep = 9;
  EXPECT_FALSE(ChooseLevelColour(p, 1));
  p.CpiStep = -1;
  EXPECT_FALSE(ChooseLevelColour(p, 1));
  p.CpiStep = before.CpiStep;
  EXPECT_EQ(std::memcmp(&p, &before, sizeof p), 0);
}
