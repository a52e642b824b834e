#include "overlay/notice_text.h"

#include <gtest/gtest.h>

#include "settings/system_names.h"

TEST(NoticeText, ProfileNoticesCountFromOne) {
  EXPECT_EQ(NoticeText(OVERLAY_PROFILE, 0, {}), "Profile 1");
  EXPECT_EQ(NoticeText(OVERLAY_PROFILE, 4 * 65536, {}), "Profile 5");
  EXPECT_EQ(NoticeText(OVERLAY_PROFILE, 5 * 65536, {}), "");
  EXPECT_EQ(NoticeText(OVERLAY_PROFILE, -1, {}), "");
}

TEST(NoticeText, TextAndMacroNoticesShowTheirConfigTexts) {
  const NoticeTexts texts{"CPI: 800", "Reload"};
  EXPECT_EQ(NoticeText(OVERLAY_TEXT, 0, texts), "CPI: 800");
  EXPECT_EQ(NoticeText(OVERLAY_MACRO, 0, texts), "Reload");
  EXPECT_EQ(NoticeText(OVERLAY_TEXT, 0, {}), "");  // an empty text shows nothing
  EXPECT_EQ(NoticeText(41, 0, texts), "");
}
