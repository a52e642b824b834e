#include "virtualmouse/button_model.h"

#include <gtest/gtest.h>

namespace vmouse {
namespace {

class ButtonModelTest : public ::testing::Test {
 protected:
  void Assign(int profile, int button, ButtonCode code) {
    state.profiles[profile - 1].buttons[button - 1] = code;
  }
  DeviceState state;
};

TEST_F(ButtonModelTest, ReportKindSendsItsTypeAndValue) {
  Assign(1, 3, {6, 0, 10, 3});
  EXPECT_EQ(PressButton(state, 3), (std::vector<DeviceEvent>{{0x000A, 3}}));
  Assign(1, 4, {6, 0, 0xA0, 0});
  EXPECT_EQ(PressButton(state, 4), (std::vector<DeviceEvent>{{0x00A0, 0}}));
}

TEST_F(ButtonModelTest, LevelButtonsChangeTheActiveProfilesLevel) {
  state.activeProfile = 2;
  Assign(2, 6, {7, 0, 3, 0});  // next
  Assign(2, 7, {7, 0, 1, 0});  // up
  Assign(2, 8, {7, 0, 2, 0});  // down
  state.profiles[1].level = 4;
  EXPECT_EQ(PressButton(state, 6), (std::vector<DeviceEvent>{{0x0700, 5}}));
  EXPECT_EQ(PressButton(state, 6), (std::vector<DeviceEvent>{{0x0700, 1}}));
  EXPECT_EQ(PressButton(state, 8), (std::vector<DeviceEvent>{{0x0700, 1}})) << "stops at 1";
  EXPECT_EQ(PressButton(state, 7), (std::vector<DeviceEvent>{{0x0700, 2}}));
  EXPECT_EQ(state.profiles[1].level, 2);
  EXPECT_EQ(state.profiles[0].level, 1) << "other profiles keep theirs";
}

TEST_F(ButtonModelTest, ProfileButtonsSwitchTheActiveProfile) {
  Assign(5, 1, {8, 0, 1, 0});
  Assign(5, 2, {8, 0, 3, 0});
  Assign(1, 2, {8, 0, 2, 0});
  state.activeProfile = 5;
  EXPECT_EQ(PressButton(state, 1), (std::vector<DeviceEvent>{{0x0800, 5}})) << "stops at 5";
  EXPECT_EQ(PressButton(state, 2), (std::vector<DeviceEvent>{{0x0800, 1}}));
  EXPECT_EQ(PressButton(state, 2), (std::vector<DeviceEvent>{{0x0800, 1}})) << "profile 1's own table";
  EXPECT_EQ(state.activeProfile, 1);
}

TEST_F(ButtonModelTest, InsideTheMouseKindsReportNothing) {
  const ButtonCode inside[] = {{0, 0, 4, 0}, {1, 0, 0xF0, 0}, {3, 0, 0xE9, 0}, {4, 0, 1, 0},
                               {5, 0, 1, 0}, {9, 0, 1, 4},    {10, 0xF0, 50, 2}, {11, 8, 0, 0}};
  for (const ButtonCode& c : inside) {
    Assign(1, 1, c);
    EXPECT_TRUE(PressButton(state, 1).empty()) << int(c[0]);
  }
  DeviceState untouched;
  untouched.profiles[0].buttons[0] = {11, 8, 0, 0};
  EXPECT_EQ(state, untouched);
}

TEST_F(ButtonModelTest, ButtonNumbersOutsideOneToSixteenDoNothing) {
  Assign(1, 1, {6, 0, 10, 1});
  EXPECT_TRUE(PressButton(state, 0).empty());
  EXPECT_TRUE(PressButton(state, 17).empty());
  state.activeProfile = 0;
  EXPECT_TRUE(PressButton(state, 1).empty());
}

}  // namespace
}  // namespace vmouse
