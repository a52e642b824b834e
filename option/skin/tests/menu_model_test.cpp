#include <gtest/gtest.h>

#include "option/skin/menu_model.h"

TEST(MenuModel, ItemSizes) {
  CMenuModel m;
  EXPECT_EQ(m.Measure(kMenuHiddenId).height, 0);
  EXPECT_EQ(m.Measure(kMenuLineId).height, 5);
  EXPECT_EQ(m.Measure(1049).height, 21);
  m.SetItemHeight(14);
  EXPECT_EQ(m.Measure(1049).height, 17);
}

TEST(MenuModel, WidthGrowsWithTextsUntilSetExplicitly) {
  CMenuModel m;
  m.Append(100, "Paste", 0);
  EXPECT_EQ(m.Width(), 40);
  m.Append(101, "Cut", 0);
  EXPECT_EQ(m.Width(), 40);
  m.SetWidth(120);
  EXPECT_EQ(m.Width(), 120);
  EXPECT_EQ(m.Measure(101).width, 120);
}

TEST(MenuModel, MarkedItemsUseTheMarkedColourSelectedOrNot) {
  CMenuModel m;
  m.Append(100, "plain", 0);
  m.Append(101, "marked", 1);
  EXPECT_EQ(m.TextColor(100, false), m.colors.normalText);
  EXPECT_EQ(m.TextColor(100, true), m.colors.selectedText);
  EXPECT_EQ(m.TextColor(101, false), 0xFFC044u);
  EXPECT_EQ(m.TextColor(101, true), 0xFFC044u);
  EXPECT_EQ(m.TextColor(999, false), m.colors.normalText);  // unlisted identifier
  ASSERT_NE(m.Find(101), nullptr);
  EXPECT_EQ(m.Find(101)->index, 1);
  EXPECT_EQ(m.Find(999), nullptr);
}

TEST(MenuFrame, ThreeNestedOutlines) {
  const auto f = MenuFrameOutlines(100, 50);
  ASSERT_EQ(f.size(), 3u);
  EXPECT_EQ(f[0].color, 0x1414E6u);
  EXPECT_EQ(f[1].left, 1);
  EXPECT_EQ(f[1].bottom, 49);
  EXPECT_EQ(f[2].right, 98);
  EXPECT_EQ(f[2].color, 0x1E1E1Eu);
}

TEST(MenuPainter, OnlyTheExactPopupMenuClassIsTakenOver) {
  EXPECT_TRUE(IsPopupMenuClassName("#32768"));
  EXPECT_FALSE(IsPopupMenuClassName("#327689"));  // longer name, cut at 9 characters
  EXPECT_FALSE(IsPopupMenuClassName("#32769"));
  EXPECT_FALSE(IsPopupMenuClassName("Button"));
}

TEST(MenuPainter, TableKeepsOneRecordPerWindow) {
  CMenuPainterTable t;
  t.Add(0x1230);
  t.Add(0x1230);
  t.Add(0x1230 + 16 * 1000);  // same bucket
  EXPECT_EQ(t.Size(), 2u);
  EXPECT_TRUE(t.Contains(0x1230 + 16 * 1000));
  t.Remove(0x1230);
  EXPECT_FALSE(t.Contains(0x1230));
  EXPECT_TRUE(t.Contains(0x1230 + 16 * 1000));
  t.Remove(0x1230 + 16 * 1000);
  t.Remove(0x9999);
  EXPECT_TRUE(t.Empty());
}
