#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "option/skin/placement.h"

TEST(ParsePlacement, StoresExclusiveEdgesAndEmptyText) {
  const Placement p = ParsePlacement("browser1,281,172,30,20,");
  EXPECT_EQ(p.name, "browser1");
  EXPECT_EQ(p.left, 281);
  EXPECT_EQ(p.top, 172);
  EXPECT_EQ(p.right, 311);
  EXPECT_EQ(p.bottom, 192);
  EXPECT_EQ(p.text, "");
  EXPECT_FALSE(p.initiallyDown);
}

TEST(ParsePlacement, HelpTextIsTrimmedAndTakenAfterTheLastComma) {
  EXPECT_EQ(ParsePlacement("ok,1,2,3,4,  Apply the changes \t").text, "Apply the changes");
  const Placement p = ParsePlacement("x,1,2,3,4,first, second, third ");
  EXPECT_EQ(p.text, "third");
  EXPECT_EQ(p.right, 4);
}

TEST(ParsePlacement, MissingOrBrokenNumbersReadAsZero) {
  const Placement empty = ParsePlacement("");
  EXPECT_EQ(empty.left | empty.top | empty.right | empty.bottom, 0);
  EXPECT_EQ(empty.name, "");

  const Placement partial = ParsePlacement("a,10,20");  // no w, h
  EXPECT_EQ(partial.left, 10);
  EXPECT_EQ(partial.top, 20);
  EXPECT_EQ(partial.right, 10);
  EXPECT_EQ(partial.bottom, 20);
  EXPECT_EQ(partial.text, "20");  // what follows the last comma

  const Placement broken = ParsePlacement("a,5,x,7,8,help");  // scanf stops at x
  EXPECT_EQ(broken.left, 5);
  EXPECT_EQ(broken.top, 0);
  EXPECT_EQ(broken.right, 5);
  EXPECT_EQ(broken.text, "help");

  const Placement bare = ParsePlacement("only a name");
  EXPECT_EQ(bare.name, "only a name");
  EXPECT_EQ(bare.text, "");
  EXPECT_EQ(bare.right, 0);
}

TEST(ParsePlacement, NegativeAndBlankPaddedNumbers) {
  const Placement p = ParsePlacement("n, -5, +6, 10 ,20,t");
  EXPECT_EQ(p.left, -5);
  EXPECT_EQ(p.top, 6);
  EXPECT_EQ(p.right, 5);
  EXPECT_EQ(p.bottom, 6);  // "10 ," stops the scan after the width: height missing
}

TEST(ParsePlacement, LongFieldsAreCutAndHugeNumbersClamped) {
  const Placement p = ParsePlacement(std::string(100, 'n') + ",1,1,1,1," + std::string(1000, 't'));
  EXPECT_EQ(p.name.size(), kPlacementNameMax);
  EXPECT_EQ(p.text.size(), kPlacementTextMax);

  const Placement big = ParsePlacement("b,2147483647,99999999999999999999,10,-10,");
  EXPECT_EQ(big.left, INT_MAX);
  EXPECT_EQ(big.right, INT_MAX);  // x + w would overflow
  EXPECT_EQ(big.top, INT_MAX);
  EXPECT_EQ(big.bottom, INT_MAX - 10);
}
