#include "hiddriver/report_frame.h"

#include <gtest/gtest.h>

#include <algorithm>

TEST(ReportFrame, PaddedToTheDeclaredLengthOrRefusedWhenTooSmall) {
  const std::uint8_t command[8] = {1, 2, 3, 4, 5, 6, 7, 8};
  const auto report = FrameReport(command, 8, 33);
  const std::vector<std::uint8_t> head = {0, 1, 2, 3, 4, 5, 6, 7, 8, 0};
  ASSERT_EQ(report.size(), 33u);
  EXPECT_TRUE(std::equal(head.begin(), head.end(), report.begin()));
  EXPECT_EQ(report[32], 0);
  EXPECT_EQ(FrameReport(command, 8, 9).size(), 9u);
  EXPECT_TRUE(FrameReport(command, 8, 8).empty());
  EXPECT_TRUE(FrameReport(nullptr, 8, 9).empty());
}
