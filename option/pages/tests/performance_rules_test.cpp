#include "option/pages/performance_rules.h"

#include <gtest/gtest.h>

#include "option/pages/level_values.h"
#include "settings/profile_record.h"

namespace {
Profile Defaults() {
  Profile p{};
  SetDefaultProfile(p, 0);
  return p;
}
}  // namespace

TEST(PerformanceRules, EveryButtonOfEveryGroupShowsHeldDownAfterItsClick) {
  for (int g = 0; g < kPerformanceGroupCount; ++g) {
    const auto group = static_cast<PerformanceGroup>(g);
    for (int i = 0; i < PerformanceGroupSize(group); ++i) {
      Profile p = Defaults();
      ChooseInGroup(p, group, i);
      EXPECT_EQ(HeldDownIndex(p, group), i) << "group " << g;
    }
  }
}

TEST(PerformanceRules, DoubleClickButtonsAndSlider) {
  Profile p = Defaults();
  ChooseInGroup(p, PerformanceGroup::DoubleClick, 0);
  EXPECT_EQ(p.DbleClickSpeed, 830);
  ChooseInGroup(p, PerformanceGroup::DoubleClick, 9);
  EXPECT_EQ(p.DbleClickSpeed, 200);
  p.DbleClickSpeed = 900;
  EXPECT_EQ(HeldDownIndex(p, PerformanceGroup::DoubleClick), -1);

  // Only the slider puts the time into effect at once.
  EXPECT_EQ(StoreSliderValue(p, kDoubleClickSlider, 0), 900);
  EXPECT_EQ(p.DbleClickSpeed, 900);
  EXPECT_EQ(SliderPosition(p, kDoubleClickSlider), 0);
  EXPECT_EQ(StoreSliderValue(p, kScrollSpeedSlider, 4), std::nullopt);
}

TEST(PerformanceRules, PointerSpeedTables) {
  Profile p = Defaults();
  p.MouseSpeed = 7;  // odd: the slider goes to the next even speed, the buttons to the one below
  EXPECT_EQ(SliderPosition(p, kPointerSpeedSlider), 5);
  EXPECT_EQ(MouseSpeedAtPosition(5), 8);
  EXPECT_EQ(HeldDownIndex(p, PerformanceGroup::PointerSpeed), 2);

  for (int speed = 2; speed <= 20; speed += 2) EXPECT_EQ(MouseSpeedAtPosition(PositionOfMouseSpeed(speed)), speed);
  EXPECT_EQ(MouseSpeedAtPosition(0), 10);
  EXPECT_EQ(MouseSpeedAtPosition(12), 10);
  EXPECT_EQ(PositionOfMouseSpeed(21), 6);
  EXPECT_EQ(PositionOfMouseSpeed(-1), 6);
  EXPECT_EQ(StoreSliderValue(p, kPointerSpeedSlider, 1), std::nullopt);
  EXPECT_EQ(p.MouseSpeed, 1);
}

TEST(PerformanceRules, AccelerationToggle) {
  Profile p = Defaults();
  SetAcceleration(p, true);
  EXPECT_EQ(p.AccelerationFlag, 1);
  EXPECT_EQ(p.Acceleration, 8);
  SetAcceleration(p, false);
  EXPECT_EQ(p.AccelerationFlag, 0);
  EXPECT_EQ(p.Acceleration, 0);
}

// The sensitivity buttons store level 5's index into the level value list,
// so what they say is what the DPI page shows and the mouse receives.
TEST(PerformanceRules, SensitivityButtonsChooseLevelValuesAndSayThem) {
  const char* captions[] = {"250", "500", "1000", "1500", "2000", "2500", "3000", "4000"};
  for (int i = 0; i < 8; ++i) {
    Profile p = Defaults();
    ChooseInGroup(p, PerformanceGroup::Sensitivity, i);
    EXPECT_EQ(SensitivityText(p), captions[i]);
    EXPECT_EQ(LevelValueText(p.CpiLevel_X[4]), captions[i]);
  }
  Profile p = Defaults();
  p.CpiLevel_X[4] = 0;
  EXPECT_EQ(SensitivityText(p), "1000");
  EXPECT_EQ(HeldDownIndex(p, PerformanceGroup::Sensitivity), -1);
  p.CpiLevel_X[4] = 9;  // a level value: 2500
  EXPECT_EQ(SensitivityText(p), "2500");
  EXPECT_EQ(HeldDownIndex(p, PerformanceGroup::Sensitivity), 5);
  p.CpiLevel_X[4] = 3;  // 750: a level value no button offers
  EXPECT_EQ(HeldDownIndex(p, PerformanceGroup::Sensitivity), -1);
}

TEST(PerformanceRules, ValuesOutsideAGroupHoldNothingDown) {
  Profile p = Defaults();
  p.PollingRate = 4;
  p.ScrollWheelFlag = -1;
  p.ScrollWheelSpeed = 0;
  p.MouseSpeed = 22;
  p.DbleClickSpeed = 950;
  for (auto g : {PerformanceGroup::ReportRate, PerformanceGroup::ScrollMode, PerformanceGroup::ScrollSpeed,
                 PerformanceGroup::PointerSpeed, PerformanceGroup::DoubleClick})
    EXPECT_EQ(HeldDownIndex(p, g), -1);
}

TEST(PerformanceRules, SlidersTakeTheirOwnKeysElseTheSharedKeyZero) {
  const auto older = CSkinDescription::Parse("[BUTTONPOS]\r\n0=sliders,10,20,100,15,\r\n");
  for (int id : kPerformanceSliders) EXPECT_EQ(PerformanceSliderPlace(older, id).left, 10) << id;

  const auto ours = CSkinDescription::Parse(
      "[BUTTONPOS]\r\n0=sliders,10,20,100,15,\r\n201=click,1,0,9,9,\r\n202=speed,2,0,9,9,\r\n"
      "203=wheel,3,0,9,9,\r\n204=tilt,4,0,9,9,\r\n");
  for (int id : kPerformanceSliders) EXPECT_EQ(PerformanceSliderPlace(ours, id).left, id - 200) << id;

  const auto without = CSkinDescription::Parse("[BUTTONPOS]\r\n1=text,5,5,50,20,\r\n");
  EXPECT_EQ(PerformanceSliderPlace(without, kTiltSpeedSlider).Width(), 0);
}
