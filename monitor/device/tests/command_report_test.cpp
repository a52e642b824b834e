#include "monitor/device/command_report.h"

#include <gtest/gtest.h>

namespace {

unsigned Sum(const CommandReport& r) {
  unsigned s = 0;
  for (auto b : r) s += b;
  return s & 0xFF;
}

TEST(CommandReport, ChecksumMakesAllBytesSumToFF) {
  EXPECT_EQ(ReportRateCommand(0, 0), (CommandReport{0x03, 0x01, 0x08, 0, 0, 0, 0, 0xF3}));
  EXPECT_EQ(OpenTransferCommand(), (CommandReport{0x01, 0x88, 0x02, 0, 0, 0, 0, 0x74}));
  // A sum above 0xFF wraps.
  EXPECT_EQ(MakeCommandReport(0xFF, 0xFF, 0xFF), (CommandReport{0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0x02}));
  for (int c = 0; c < 256; c += 17) {
    for (int v = 0; v < 256; v += 13) {
      EXPECT_EQ(Sum(MakeCommandReport(static_cast<uint8_t>(c), 0x50, static_cast<uint8_t>(v))), 0xFFu);
    }
  }
}

TEST(CommandReport, ReportIntervalOfEveryPollingRate) {
  EXPECT_EQ(ReportInterval(0), 8);
  EXPECT_EQ(ReportInterval(1), 4);
  EXPECT_EQ(ReportInterval(2), 2);
  EXPECT_EQ(ReportInterval(3), 1);
  EXPECT_EQ(ReportInterval(4), 2);
  EXPECT_EQ(ReportInterval(-1), 2);
}

TEST(CommandReport, ProfilesSlotsAndLevelsCountFromOneOnTheDevice) {
  EXPECT_EQ(ActivateProfileCommand(4), (CommandReport{0x02, 0x05, 0x00, 0, 0, 0, 0, 0xF8}));
  EXPECT_EQ(LevelCommand(2, 4), (CommandReport{0x04, 0x03, 0x05, 0, 0, 0, 0, 0xF3}));
  EXPECT_EQ(SettingsBlockCommand(0), (CommandReport{0x0C, 0x01, 0x80, 0, 0, 0, 0, 0x72}));
  EXPECT_EQ(ButtonTableCommand(1), (CommandReport{0x0D, 0x02, 0x80, 0, 0, 0, 0, 0x70}));
  EXPECT_EQ(MacroBlockCommand(79), (CommandReport{0x0F, 0x50, 0x80, 0, 0, 0, 0, 0x20}));
}

}  // namespace
