#include "hiddriver/input_report.h"

#include <gtest/gtest.h>

TEST(InputReport, TypeAndValueAreLittleEndian) {
  const std::uint8_t report[5] = {0x00, 0x00, 0x08, 0x02, 0x00};
  const auto e = DecodeInputReport(report, 5);
  ASSERT_TRUE(e);
  EXPECT_EQ(e->type, 0x0800);
  EXPECT_EQ(e->value, 2);
  const std::uint8_t padded[9] = {0x00, 0x00, 0xC0, 0x0A, 0x14, 0xEE, 0xEE, 0xEE, 0xEE};
  EXPECT_EQ(DecodeInputReport(padded, 9)->value, 0x140A);
}

TEST(InputReport, ShortReportsGiveNothing) {
  const std::uint8_t report[4] = {0, 1, 2, 3};
  EXPECT_FALSE(DecodeInputReport(report, 4));
  EXPECT_FALSE(DecodeInputReport(nullptr, 5));
}
