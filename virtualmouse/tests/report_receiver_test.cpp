#include "virtualmouse/report_receiver.h"

#include <gtest/gtest.h>

#include <vector>

namespace vmouse {
namespace {

std::vector<std::uint8_t> Command(std::uint8_t c, std::uint8_t index, std::uint8_t value) {
  std::vector<std::uint8_t> r = {c, index, value, 0, 0, 0, 0, 0};
  r[7] = static_cast<std::uint8_t>(0xFF - (c + index + value));
  return r;
}

class ReceiverTest : public ::testing::Test {
 protected:
  std::string Feature(std::uint8_t c, std::uint8_t index, std::uint8_t value) {
    const auto r = Command(c, index, value);
    return receiver.OnFeature(r.data(), r.size());
  }
  std::string Packet(const std::uint8_t* bytes) { return receiver.OnPacket(bytes, 64); }
  void SendBlock(std::uint8_t c, std::uint8_t index, const Block& block) {
    ASSERT_EQ(Feature(c, index, 0x80), "");
    ASSERT_EQ(Packet(block.data()), "");
    ASSERT_EQ(Packet(block.data() + 64), "");
  }
  DeviceState state;
  CReportReceiver receiver{state};
};

TEST_F(ReceiverTest, TakesTheSimpleCommands) {
  EXPECT_EQ(Feature(0x01, 0x88, 0x02), "");
  EXPECT_EQ(Feature(0x03, 1, 8), "");
  EXPECT_EQ(Feature(0x04, 5, 3), "");
  EXPECT_EQ(Feature(0x02, 4, 0), "");
  EXPECT_EQ(state.profiles[0].interval, 8);
  EXPECT_EQ(state.profiles[4].level, 3);
  EXPECT_EQ(state.activeProfile, 4);
  EXPECT_EQ(receiver.problems(), 0);
}

TEST_F(ReceiverTest, ChecksumExampleIsAccepted) {
  const std::uint8_t report[8] = {0x03, 0x01, 0x08, 0, 0, 0, 0, 0xF3};
  EXPECT_EQ(receiver.OnFeature(report, 8), "");
}

TEST_F(ReceiverTest, RejectsBrokenFeatureReportsWithoutChangingState) {
  auto bad = Command(0x02, 3, 0);
  bad[7] ^= 1;
  EXPECT_NE(receiver.OnFeature(bad.data(), 8), "");
  auto nonzero = Command(0x02, 3, 0);
  nonzero[4] = 1;
  nonzero[7] -= 1;
  EXPECT_NE(receiver.OnFeature(nonzero.data(), 8), "");
  EXPECT_NE(receiver.OnFeature(bad.data(), 7), "");
  EXPECT_NE(receiver.OnFeature(nullptr, 8), "");
  EXPECT_NE(Feature(0x02, 0, 0), "");
  EXPECT_NE(Feature(0x02, 6, 0), "");
  EXPECT_NE(Feature(0x03, 1, 3), "");
  EXPECT_NE(Feature(0x04, 1, 0), "");
  EXPECT_NE(Feature(0x04, 1, 6), "");
  EXPECT_NE(Feature(0x01, 0x88, 0x03), "");
  EXPECT_NE(Feature(0x0C, 6, 0x80), "");
  EXPECT_NE(Feature(0x0F, 81, 0x80), "");
  EXPECT_NE(Feature(0x0D, 1, 0x00), "");
  EXPECT_NE(Feature(0x55, 1, 0), "");
  EXPECT_EQ(receiver.problems(), 14);
  EXPECT_EQ(state, DeviceState{});
}

TEST_F(ReceiverTest, BlocksNeedTheirTwoPackets) {
  Block table{};
  table[0] = 1; table[2] = 0xF0; table[63] = 7;
  SendBlock(0x0D, 2, table);
  EXPECT_TRUE(state.profiles[1].buttonsReceived);
  EXPECT_EQ(state.profiles[1].buttons[0], (ButtonCode{1, 0, 0xF0, 0}));
  EXPECT_EQ(state.profiles[1].buttons[15][3], 7);

  Block macro{};
  macro[1] = 1; macro[2] = 0x01; macro[3] = 0x04;
  SendBlock(0x0F, 80, macro);
  EXPECT_TRUE(state.macros[79].present);
  EXPECT_EQ(state.macros[79].steps.size(), 1u);
  EXPECT_EQ(receiver.problems(), 0);
}

TEST_F(ReceiverTest, ABlockCutShortIsDroppedAndReported) {
  Block table{};
  table[0] = 1;
  ASSERT_EQ(Feature(0x0D, 1, 0x80), "");
  ASSERT_EQ(Packet(table.data()), "");
  EXPECT_TRUE(receiver.blockPending());
  EXPECT_NE(Feature(0x02, 3, 0), "");
  EXPECT_FALSE(state.profiles[0].buttonsReceived);
  EXPECT_EQ(state.activeProfile, 3) << "the report after the cut is still taken";
  EXPECT_FALSE(receiver.blockPending());
  EXPECT_NE(Packet(table.data()), "") << "a packet with no block command";
  EXPECT_EQ(receiver.problems(), 2);
}

TEST_F(ReceiverTest, UnplugForgetsAHalfBlockQuietly) {
  Block table{};
  ASSERT_EQ(Feature(0x0D, 1, 0x80), "");
  ASSERT_EQ(Packet(table.data()), "");
  receiver.DropPendingBlock();
  EXPECT_EQ(Feature(0x02, 2, 0), "");
  EXPECT_FALSE(state.profiles[0].buttonsReceived);
  EXPECT_EQ(receiver.problems(), 0);
}

TEST_F(ReceiverTest, PacketsOfTheWrongSizeAreRejected) {
  std::uint8_t bytes[65] = {};
  ASSERT_EQ(Feature(0x0C, 1, 0x80), "");
  EXPECT_NE(receiver.OnPacket(bytes, 65), "");
  EXPECT_NE(receiver.OnPacket(bytes, 0), "");
  EXPECT_TRUE(receiver.blockPending());
}

TEST_F(ReceiverTest, FlagsBadBlockContents) {
  Block settings{};
  SendBlock(0x0C, 1, settings);
  EXPECT_TRUE(state.profiles[0].settings.received);
  EXPECT_FALSE(state.profiles[0].settings.constantsOk);
  Block table{};
  table[100] = 1;
  SendBlock(0x0D, 1, table);
  EXPECT_EQ(receiver.problems(), 2);
}

}  // namespace
}  // namespace vmouse
