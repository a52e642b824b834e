#include <gtest/gtest.h>

#include <type_traits>

#include "settings/profile_set.h"

// The record crosses processes as raw bytes: it must stay plain data.
TEST(Layout, RecordsArePlainData) {
  EXPECT_TRUE(std::is_trivially_copyable_v<ProfileSet>);
  EXPECT_TRUE(std::is_standard_layout_v<ProfileSet>);
  EXPECT_TRUE(std::is_trivially_copyable_v<MacroRecord>);
  EXPECT_TRUE(std::is_trivially_copyable_v<OverlaySetting>);
}

TEST(Layout, MacroEventsRoundTripThroughUnalignedButtonData) {
  MacroKeyInfo k{};
  SetMacroEvent(k, 39, MacroEvent{0xE1, kEventRelease, 65535});
  const MacroEvent e = GetMacroEvent(k, 39);
  EXPECT_EQ(e.code, 0xE1);
  EXPECT_EQ(e.direction, kEventRelease);
  EXPECT_EQ(e.delay, 65535);
  EXPECT_EQ(k.data[156], 0xE1);
  EXPECT_EQ(k.data[158], 0xFF);
  EXPECT_EQ(k.data[159], 0xFF);
}
