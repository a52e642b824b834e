#include "option/pages/number_box_rules.h"

#include <gtest/gtest.h>

#include <climits>

namespace {
CNumberBoxModel ColourBox() {
  CNumberBoxModel box;
  box.SetRange(0, 255);
  box.SetStep(1);
  return box;
}
}  // namespace

TEST(NumberBox, TypedTextIsBroughtIntoTheRange) {
  CNumberBoxModel box = ColourBox();
  const auto typed = box.SettleText("300");
  EXPECT_EQ(typed.value, 255);
  EXPECT_EQ(typed.rewrite, "255");
  const auto same = box.SettleText("42");
  EXPECT_EQ(same.value, 42);
  EXPECT_EQ(same.rewrite, std::nullopt);
  EXPECT_EQ(box.Value(), 42);
  EXPECT_EQ(box.TextLimit(), 3);
}

TEST(NumberBox, ArrowsStayInTheRange) {
  CNumberBoxModel box = ColourBox();
  EXPECT_EQ(box.Up("255"), 255);
  EXPECT_EQ(box.Up("41"), 42);
  EXPECT_EQ(box.Down("0"), 0);
  EXPECT_EQ(box.Up("300"), std::nullopt);  // the text reads above the range
  EXPECT_EQ(box.Down("-1"), std::nullopt);

  box.SetStep(10);
  EXPECT_EQ(box.Up("250"), 255);  // never rounded past the maximum
  EXPECT_EQ(box.Up("12"), 20);
  box.SetStep(0);  // refused
  EXPECT_EQ(box.Step(), 10);
}

TEST(NumberBox, EnterCleansTheText) {
  EXPECT_EQ(CleanTypedNumber("ab-12x3"), "-123");
  EXPECT_EQ(CleanTypedNumber("007"), "7");
  EXPECT_EQ(CleanTypedNumber("+5-3"), "+53");
  EXPECT_EQ(CleanTypedNumber("x0y"), "");

  CNumberBoxModel box = ColourBox();
  EXPECT_EQ(box.SettleOnEnter("0012").rewrite, "12");
  const auto big = box.SettleOnEnter("9,99");
  EXPECT_EQ(big.value, 255);
  EXPECT_EQ(big.rewrite, "255");
  EXPECT_EQ(box.SettleOnEnter("17").rewrite, std::nullopt);
}

TEST(NumberBox, LeadingInteger) {
  EXPECT_EQ(LeadingInteger("  42abc"), 42);
  EXPECT_EQ(LeadingInteger("-"), 0);
  EXPECT_EQ(LeadingInteger(""), 0);
  EXPECT_EQ(LeadingInteger("99999999999999999999"), INT_MAX);
  EXPECT_EQ(LeadingInteger("-99999999999999999999"), INT_MIN);
}
