#include "skingen/skin_ini.h"

#include <gtest/gtest.h>

namespace skingen {
namespace {

TEST(SkinIni, WritesScreenAndRecordsInKeyOrder) {
  const ParseResult r = ParseLayout(
      "skin skin_x.ini\nsize 300 200\nimages m.bmp n.bmp o.bmp d.bmp x.bmp\n"
      "control 20 plate plate 10 20 30 40 | | Button 1\n"
      "control 3 ok button 281 172 19 20 | OK\n");
  ASSERT_TRUE(r.layout) << r.error;
  EXPECT_EQ(SkinIni(*r.layout),
            "[SCREEN]\r\nMask=m.bmp\r\nNormal=n.bmp\r\nOver=o.bmp\r\nDown=d.bmp\r\nDisable=x.bmp\r\n"
            "\r\n[BUTTONPOS]\r\n3=ok,281,172,19,20,\r\n20=plate,10,20,30,40,Button 1\r\n");
}

}  // namespace
}  // namespace skingen
