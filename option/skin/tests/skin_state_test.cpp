#include <gtest/gtest.h>

#include "option/skin/skin_state.h"

TEST(SkinState, SkinFilesAreInTheSkinsFolder) {
  SetSkinsFolder("D:/x/skins/");
  EXPECT_EQ(SkinPath("skin_main.ini"), std::filesystem::path("D:/x/skins/skin_main.ini"));
  SetSkinsFolder("");
}

TEST(SkinState, SharedHelpTextAndWindow) {
  SetSharedHelpText("Apply");
  EXPECT_EQ(SharedHelpText(), "Apply");
  SetHelpTextWindow(0x1234);
  EXPECT_EQ(HelpTextWindow(), 0x1234u);
  SetHelpTextWindow(0);
  SetSharedHelpText("");
}
