#include "virtualmouse/control_command.h"

#include <gtest/gtest.h>

#include "virtualmouse/report_log.h"

namespace vmouse {
namespace {

using Kind = ControlCommand::Kind;

TEST(ControlCommand, ParsesEveryCommand) {
  EXPECT_EQ(ParseControlCommand("plug")->kind, Kind::Plug);
  EXPECT_EQ(ParseControlCommand(" unplug ")->kind, Kind::Unplug);
  EXPECT_EQ(ParseControlCommand("idle")->kind, Kind::Idle);
  EXPECT_EQ(ParseControlCommand("quit")->kind, Kind::Quit);
  const auto event = ParseControlCommand("event 0x0800 2");
  ASSERT_TRUE(event);
  EXPECT_EQ(event->kind, Kind::Event);
  EXPECT_EQ(event->first, 0x0800);
  EXPECT_EQ(event->second, 2);
  const auto press = ParseControlCommand("press 16");
  ASSERT_TRUE(press);
  EXPECT_EQ(press->kind, Kind::Press);
  EXPECT_EQ(press->first, 16);
  EXPECT_EQ(ParseControlCommand("release 0x1")->kind, Kind::Release);
  EXPECT_EQ(ParseControlCommand("click 5")->kind, Kind::Click);
  const auto dump = ParseControlCommand("dump C:\\my dir\\state.txt\r\n");
  ASSERT_TRUE(dump);
  EXPECT_EQ(dump->kind, Kind::Dump);
  EXPECT_EQ(dump->path, "C:\\my dir\\state.txt");
}

TEST(ControlCommand, RejectsMalformedText) {
  for (const char* text : {"", "   ", "plugx", "plug 1", "press", "press 0", "press 17",
                           "press 1 2", "press -1", "event 1", "event 0x10000 1", "event 1 x",
                           "event 0x 1", "dump", "dump   ", "click 99999999999", "fly 1"})
    EXPECT_FALSE(ParseControlCommand(text)) << text;
}

TEST(ReportLog, OneLinePerReport) {
  const std::uint8_t feature[8] = {0x03, 0x01, 0x08, 0, 0, 0, 0, 0xF3};
  EXPECT_EQ(ReportLogLine(1234, ReportKind::Feature, feature, 8),
            "1234 feature 03 01 08 00 00 00 00 F3\n");
  const std::uint8_t packet[2] = {0xAB, 0x00};
  EXPECT_EQ(ReportLogLine(0, ReportKind::Packet, packet, 2), "0 packet AB 00\n");
}

}  // namespace
}  // namespace vmouse
