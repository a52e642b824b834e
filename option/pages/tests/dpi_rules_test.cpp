#include "option/pages/dpi_rules.h"

#include <gtest/gtest.h>

#include <cstring>

#include "option/pages/level_values.h"

TEST(DpiRules, LinkedSlidersMoveTogether) {
  Profile p{};
  p.XYSynchronous = 0;  // linked
  EXPECT_TRUE(StoreSensitivity(p, kSensitivityXSlider, 7));
  EXPECT_EQ(p.Sensitivity_X, 7);
  EXPECT_EQ(p.Sensitivity_Y, 7);
  EXPECT_TRUE(StoreSensitivity(p, kSensitivityYSlider, 3));
  EXPECT_EQ(p.Sensitivity_X, 3);

  p.XYSynchronous = 1;  // apart
  EXPECT_FALSE(StoreSensitivity(p, kSensitivityXSlider, 12));
  EXPECT_EQ(p.Sensitivity_X, 12);
  EXPECT_EQ(p.Sensitivity_Y, 3);
  EXPECT_FALSE(StoreSensitivity(p, 203, 5));
  EXPECT_EQ(p.Sensitivity_X, 12);
}

TEST(DpiRules, LinkingBringsYToX) {
  Profile p{};
  p.XYSynchronous = 1;
  p.Sensitivity_X = 5;
  p.Sensitivity_Y = 9;
  EXPECT_FALSE(StoreSensitivityLink(p, true));  // still apart: nothing moves
  EXPECT_EQ(p.Sensitivity_Y, 9);
  EXPECT_TRUE(StoreSensitivityLink(p, false));
  EXPECT_EQ(p.XYSynchronous, 0);
  EXPECT_EQ(p.Sensitivity_Y, 5);
  EXPECT_FALSE(StoreSensitivityLink(p, false));  // already equal
}

TEST(DpiRules, LevelNotices) {
  Profile p{};
  EXPECT_EQ(ApplyLevelNotice(p, EncodeLevelNotice(LevelNotice::Value, 11), 502), std::nullopt);
  EXPECT_EQ(p.CpiLevel_X[2], 11);
  EXPECT_EQ(ApplyLevelNotice(p, EncodeLevelNotice(LevelNotice::MakeCurrent, 0), 503), 3);
  EXPECT_EQ(p.CpiStep, 3);
  ApplyLevelNotice(p, EncodeLevelNotice(LevelNotice::InUse, 0), 504);
  EXPECT_EQ(p.dpiStepFlag[4], 0);

  // Other windows and kinds change nothing.
  const Profile before = p;
  EXPECT_EQ(ApplyLevelNotice(p, EncodeLevelNotice(LevelNotice::MakeCurrent, 0), 505), std::nullopt);
  EXPECT_EQ(ApplyLevelNotice(p, EncodeLevelNotice(LevelNotice::MakeCurrent, 0), 499), std::nullopt);
  EXPECT_EQ(ApplyLevelNotice(p, (4u << 16) + 1, 500), std::nullopt);
  EXPECT_EQ(std::memcmp(&p, &before, sizeof p), 0);
}

TEST(DpiRules, LevelSliderPostsOnlyANewValue) {
  int shown = 8;
  EXPECT_EQ(LevelSliderNotice(shown, 8), std::nullopt);
  EXPECT_EQ(LevelSliderNotice(shown, 11), EncodeLevelNotice(LevelNotice::Value, 11));
  EXPECT_EQ(shown, 11);
  EXPECT_EQ(LevelSliderNotice(shown, 11), std::nullopt);
}

TEST(DpiRules, LevelValueList) {
  EXPECT_EQ(LevelValueText(1), "250");
  EXPECT_EQ(LevelValueText(9), "2500");
  EXPECT_EQ(LevelValueText(12), "4000");
  EXPECT_EQ(LevelValueText(0), "1000");
  EXPECT_EQ(LevelValueText(13), "1000");
}

TEST(DpiRules, ColourParts) {
  const uint32_t red = 0x0000FF;
  EXPECT_EQ(ColourWithPart(red, kGreenBoxId, 16), 0x0010FFu);
  EXPECT_EQ(ColourWithPart(red, kBlueBoxId, 0x80), 0x8000FFu);
  EXPECT_EQ(ColourWithPart(0x123456, kRedBoxId, 0), 0x123400u);
  EXPECT_EQ(ColourWithPart(red, 403, 16), red);
  EXPECT_EQ(ColourPart(0x563412, kBlueBoxId), 0x56);
}
