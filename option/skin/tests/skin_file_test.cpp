#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "option/skin/skin_file.h"

namespace {
constexpr char kSkin[] =
    "[SCREEN]\r\nMask=mask.bmp\r\nNormal = normal.jpg \r\nOver=over.jpg\r\nDown=down.jpg\r\n"
    "Disable=disable.jpg\r\n[BUTTONPOS]\r\n1=ok,10,20,30,40,Accept\r\n2=cancel,50,20,30,40,\r\n";
}

TEST(SkinFile, ScreenImagesAndPlacements) {
  const CSkinDescription d = CSkinDescription::Parse(kSkin);
  const SkinScreenImages s = d.Screen();
  EXPECT_EQ(s.mask, "mask.bmp");
  EXPECT_EQ(s.normal, "normal.jpg");
  EXPECT_EQ(s.disable, "disable.jpg");
  const Placement ok = d.PlacementOf(1);
  EXPECT_EQ(ok.right, 40);
  EXPECT_EQ(ok.bottom, 60);
  EXPECT_EQ(ok.text, "Accept");
  EXPECT_EQ(d.PlacementOf("2").left, 50);
}

TEST(SkinFile, MissingKeysAndFilesReadEmpty) {
  const CSkinDescription d = CSkinDescription::Parse(kSkin);
  EXPECT_EQ(d.Value("SCREEN", "Nothing"), "");
  const Placement none = d.PlacementOf(77);
  EXPECT_EQ(none.left | none.top | none.right | none.bottom, 0);
  EXPECT_EQ(ReadSkinValue("/nonexistent/folder/skin_x.ini", "SCREEN", "Normal"), "");
  EXPECT_EQ(CSkinDescription::Load("").Screen().normal, "");
  EXPECT_FALSE(CSkinDescription::Load("").Found());
}

TEST(SkinFile, ValuesAreCutTo2047Characters) {
  const std::string path =
      (std::filesystem::temp_directory_path() / "skin_file_test_long.ini").string();
  {
    std::ofstream out(path, std::ios::binary);
    out << "[BUTTONPOS]\r\n1=" << std::string(5000, 'a') << "\r\n";
  }
  EXPECT_EQ(ReadSkinValue(path, "BUTTONPOS", "1").size(), 2047u);
  std::remove(path.c_str());
}
