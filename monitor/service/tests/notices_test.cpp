#include "monitor/service/notices.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(Notices, LevelTextCarriesTheValueOptionShows) {
  Profile p{};
  const int values[kLevelCount] = {1, 8, 12, 0, 13};
  std::memcpy(p.CpiLevel_X, values, sizeof values);
  EXPECT_EQ(LevelNoticeText(p, 1), "CPI: 250");
  EXPECT_EQ(LevelNoticeText(p, 2), "CPI: 2000");
  EXPECT_EQ(LevelNoticeText(p, 3), "CPI: 4000");
  EXPECT_EQ(LevelNoticeText(p, 4), "CPI: 1000");
  EXPECT_EQ(LevelNoticeText(p, 5), "CPI: 1000");
  EXPECT_EQ(LevelNoticeText(p, 6), "");
  EXPECT_EQ(LevelNoticeText(p, 8), "");
  EXPECT_EQ(LevelNoticeText(p, 0), "");
}

TEST(Notices, MacroNumbersAndSwitches) {
  EXPECT_EQ(MacroNoticeNumber(0), 0);
  EXPECT_EQ(MacroNoticeNumber(12), 12);
  EXPECT_EQ(MacroNoticeNumber(13), 3);
  EXPECT_EQ(MacroNoticeNumber(14), 4);
  OverlaySetting r{};
  EXPECT_FALSE(ProfileNoticesOn(r));
  r.Switches[2] = 1;
  r.Switches[3] = 2;  // only 1 means on
  EXPECT_TRUE(ProfileNoticesOn(r));
  EXPECT_FALSE(MacroNoticesOn(r));
}

TEST(Notices, MessageParameters) {
  OverlaySetting r{};
  r.DisplayHigh = -1;
  r.DisplayLow = 0x10002;
  EXPECT_EQ(OverlaySettingsParam(r), static_cast<intptr_t>(0xFFFF0002u));
  EXPECT_EQ(ProfileNoticeParam(4), 4 * 65536);
}

TEST(Notices, AppletTextIsBoundedByTheRecord) {
  unsigned char record[kAppletTextSize];
  std::memset(record, 'a', sizeof record);
  record[0] = 0;
  record[4] = 0;
  std::string text = "keep";
  EXPECT_FALSE(AppletText(record, 150, text));
  EXPECT_FALSE(AppletText(nullptr, kAppletTextSize, text));
  EXPECT_EQ(text, "keep");
  EXPECT_TRUE(AppletText(record, sizeof record, text));
  EXPECT_EQ(text, "aaa");
  record[4] = 'a';
  EXPECT_TRUE(AppletText(record, sizeof record, text));
  EXPECT_EQ(text, std::string(150, 'a'));
}

}  // namespace
