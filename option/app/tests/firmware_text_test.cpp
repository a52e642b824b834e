#include <gtest/gtest.h>

#include "option/app/firmware_text.h"

namespace {

TEST(FirmwareText, PointAfterTheFirstDigitWithinRange) {
  EXPECT_EQ(FirmwareText(104), "1.04");
  EXPECT_EQ(FirmwareText(100), "1.00");
  EXPECT_EQ(FirmwareText(500), "5.00");
  EXPECT_EQ(FirmwareText(99), "N/A");
  EXPECT_EQ(FirmwareText(501), "N/A");
  EXPECT_EQ(FirmwareText(-1), "N/A");
  EXPECT_EQ(FirmwareText(1234, false), "1.234");  // the reload has no upper bound
}

}  // namespace
