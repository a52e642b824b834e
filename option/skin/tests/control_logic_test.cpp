#include <gtest/gtest.h>

#include "option/skin/button_image.h"
#include "option/skin/list_spin.h"
#include "option/skin/text_filter.h"

TEST(ButtonImageChoice, PushButtons) {
  EXPECT_EQ(ChooseButtonImage({}), ButtonImage::Normal);
  EXPECT_EQ(ChooseButtonImage({.hover = true}), ButtonImage::Over);
  EXPECT_EQ(ChooseButtonImage({.pressed = true, .hover = true}), ButtonImage::Down);
  EXPECT_EQ(ChooseButtonImage({.disabled = true}), ButtonImage::Disabled);
  // Held down wins over hover; disabled and not hovered wins over held down.
  EXPECT_EQ(ChooseButtonImage({.heldDown = true, .hover = true}), ButtonImage::Down);
  EXPECT_EQ(ChooseButtonImage({.disabled = true, .heldDown = true}), ButtonImage::Disabled);
  EXPECT_EQ(ChooseButtonImage({.disabled = true, .heldDown = true, .hover = true}), ButtonImage::Over);
}

TEST(ButtonImageChoice, ToggleButtons) {
  EXPECT_EQ(ChooseButtonImage({.toggleMode = true}), ButtonImage::Normal);
  EXPECT_EQ(ChooseButtonImage({.toggleMode = true, .hover = true}), ButtonImage::Over);
  EXPECT_EQ(ChooseButtonImage({.toggleMode = true, .heldDown = true, .hover = true}), ButtonImage::Down);
  EXPECT_EQ(ChooseButtonImage({.pressed = true, .toggleMode = true}), ButtonImage::Normal);
  EXPECT_EQ(ChooseButtonImage({.disabled = true, .toggleMode = true, .heldDown = true}),
            ButtonImage::Disabled);
}

TEST(NumericFilter, KeysOfTheMainKeyboardOnly) {
  for (unsigned k : {unsigned('0'), unsigned('5'), unsigned('9'), 0x0Du, 0xBCu, 0xBEu, 0x25u, 0x27u, 0x24u, 0x23u, 0x08u, 0x2Eu})
    EXPECT_TRUE(NumericKeyAllowed(k)) << k;
  for (unsigned k : {unsigned('A'), unsigned('Z'), unsigned(' '), 0x60u /* keypad 0 */, 0x69u, 0x6Eu /* keypad . */, 0x26u, 0x28u})
    EXPECT_FALSE(NumericKeyAllowed(k)) << k;
}

TEST(NumericFilter, PastedTextKeepsDigitsAndSeparatorsInOrder) {
  EXPECT_EQ(FilterNumericText("1a2b.3c"), "12.3");
  EXPECT_EQ(FilterNumericText("x,y"), ",");
  EXPECT_EQ(FilterNumericText("abc"), "");
  EXPECT_EQ(FilterNumericText("12,5.0"), std::nullopt);  // nothing to change
  EXPECT_EQ(FilterNumericText(""), std::nullopt);
  EXPECT_EQ(FilterNumericText(std::string("4\0" "2", 3)), "42");
}

TEST(ListSpin, StopsAtTheRangeEnds) {
  CListSpinModel m;
  m.SetRange(1, 12);
  m.SetValue(12);
  EXPECT_FALSE(m.StepUp());
  EXPECT_EQ(m.Value(), 12);
  m.SetValue(1);
  EXPECT_FALSE(m.StepDown());
  EXPECT_EQ(m.Value(), 1);
  EXPECT_EQ(m.Position(), 0);
}

TEST(ListSpin, ValueOutsideTheListKeepsPositionOne) {
  CListSpinModel m;
  m.SetRange(1, 12);
  m.SetValue(0);
  EXPECT_EQ(m.Position(), 1);
  EXPECT_TRUE(m.StepUp());  // one notice per step
  EXPECT_EQ(m.Value(), 3);
  EXPECT_TRUE(m.StepDown());
  EXPECT_EQ(m.Value(), 2);
}

TEST(ListSpin, StepsClampToTheRangeAndListEnds) {
  CListSpinModel m;
  m.SetList({5, 10, 15, 20, 25, 30, 35, 40, 45, 50, 55, 60});
  m.SetRange(8, 50);
  m.SetValue(50);
  EXPECT_FALSE(m.StepUp());
  m.SetValue(10);
  EXPECT_TRUE(m.StepDown());
  EXPECT_EQ(m.Value(), 8);  // list entry 5 raised to the minimum
  EXPECT_EQ(m.Position(), 0);
  EXPECT_FALSE(m.StepDown());
  m.SetRange(0, 100);
  m.SetValue(60);
  EXPECT_EQ(m.Position(), 11);
  EXPECT_TRUE(m.StepUp());  // past the last entry: stays on it
  EXPECT_EQ(m.Position(), 11);
  EXPECT_EQ(m.Value(), 60);
}

TEST(ListSpin, DisplayDigits) {
  CListSpinModel m;
  m.SetRange(1, 12);
  EXPECT_EQ(m.DisplayDigits(), 2);
  m.SetRange(-5, 100);
  EXPECT_EQ(m.DisplayDigits(), 4);
  m.SetRange(0, 9);
  EXPECT_EQ(m.DisplayDigits(), 1);
}
