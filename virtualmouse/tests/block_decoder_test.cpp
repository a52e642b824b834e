#include "virtualmouse/block_decoder.h"

#include <gtest/gtest.h>

namespace vmouse {
namespace {

Block SettingsWithFixedBytes() {
  Block b{};
  auto put = [&](std::size_t at, std::initializer_list<std::uint8_t> bytes) {
    for (std::uint8_t v : bytes) b[at++] = v;
  };
  put(0, {0xFF, 0xFF});
  put(48, {0x35, 0xD4, 0x0B, 0x04});
  put(61, {0x80, 0x03, 0x00, 0x0F, 0x00, 0x0A, 0x0A, 0x19, 0x19, 0x05});
  put(76, {0x01, 0xC0, 0xF0, 0x03, 0x01, 0x01, 0x64, 0x00});
  put(89, {0x07, 0x07, 0x07});
  put(97, {0x07, 0x07, 0x07, 0x7F, 0xFF, 0xFF, 0xFF});
  return b;
}

TEST(LevelCodes, MapBackToLevelValues) {
  EXPECT_EQ(LevelFromCode(0x01), 1);
  EXPECT_EQ(LevelFromCode(0x02), 2);
  EXPECT_EQ(LevelFromCode(0x08), 8);
  EXPECT_EQ(LevelFromCode(0x15), 9);
  EXPECT_EQ(LevelFromCode(0x18), 12);
  EXPECT_EQ(LevelFromCode(0x00), 0);
  EXPECT_EQ(LevelFromCode(0x09), 0);
  EXPECT_EQ(LevelFromCode(0x19), 0);
}

TEST(SettingsBlock, DecodesLightingSensitivityLevelsAndColours) {
  Block b = SettingsWithFixedBytes();
  b[71] = 4; b[72] = 37; b[73] = 1;
  b[74] = 100; b[75] = 200;
  const std::uint8_t levels[5] = {0x01, 0x03, 0x05, 0x16, 0x02};
  for (int i = 0; i < 5; ++i) b[84 + i] = b[92 + i] = levels[i];
  b[104] = 255; b[108] = 255; b[125] = 1; b[126] = 2; b[127] = 3;

  const DeviceSettings s = DecodeSettingsBlock(b);
  EXPECT_TRUE(s.received);
  EXPECT_TRUE(s.constantsOk);
  EXPECT_EQ(s.lighting, (Lighting{4, 37, 1}));
  EXPECT_EQ(s.sensitivityX, 10);
  EXPECT_EQ(s.sensitivityY, 20);
  EXPECT_EQ(s.levels, (std::array<int, 5>{1, 3, 5, 10, 2}));
  EXPECT_EQ(s.secondLevels, s.levels);
  EXPECT_EQ(s.colours[0], (Rgb{255, 0, 0}));
  EXPECT_EQ(s.colours[1], (Rgb{0, 255, 0}));
  EXPECT_EQ(s.colours[7], (Rgb{1, 2, 3}));
}

TEST(SettingsBlock, NoticesAWrongFixedByte) {
  for (std::size_t at : {0u, 20u, 50u, 63u, 70u, 83u, 90u, 100u, 103u}) {
    Block b = SettingsWithFixedBytes();
    b[at] ^= 0x40;
    EXPECT_FALSE(DecodeSettingsBlock(b).constantsOk) << at;
  }
  EXPECT_TRUE(DecodeSettingsBlock(SettingsWithFixedBytes()).constantsOk);
}

TEST(ButtonTable, SplitsIntoSixteenCodes) {
  Block b{};
  b[0] = 1; b[2] = 0xF0;
  b[60] = 9; b[61] = 2; b[62] = 16; b[63] = 4;
  const auto codes = DecodeButtonTable(b);
  EXPECT_EQ(codes[0], (ButtonCode{1, 0, 0xF0, 0}));
  EXPECT_EQ(codes[15], (ButtonCode{9, 2, 16, 4}));
  EXPECT_EQ(codes[7], (ButtonCode{0, 0, 0, 0}));
}

TEST(MacroBlock, DecodesShortcutPressesAndReleases) {
  Block b{};
  const std::uint8_t bytes[] = {0x00, 0x01, 0x01, 0xE0, 0x01, 0x06, 0x81, 0x06, 0x81, 0xE0};
  std::copy(std::begin(bytes), std::end(bytes), b.begin());
  const DeviceMacro m = DecodeMacroBlock(b);
  EXPECT_TRUE(m.wellFormed);
  EXPECT_EQ(m.repeat, 1);
  ASSERT_EQ(m.steps.size(), 4u);
  EXPECT_EQ(m.steps[0], (MacroStep{true, 0xE0, 0}));
  EXPECT_EQ(m.steps[1], (MacroStep{true, 0x06, 0}));
  EXPECT_EQ(m.steps[2], (MacroStep{false, 0x06, 0}));
  EXPECT_EQ(m.steps[3], (MacroStep{false, 0xE0, 0}));
}

TEST(MacroBlock, DecodesPausesShortAndLong) {
  Block b{};
  // repeat 0x0102; press 4 after 1260 ms; release 4 after 1300 ms (long form);
  // press 5 after 20 ms.
  const std::uint8_t bytes[] = {0x01, 0x02, 0x7F, 0x04, 0x81, 0x04, 26, 0x02, 0x15, 0x05};
  std::copy(std::begin(bytes), std::end(bytes), b.begin());
  const DeviceMacro m = DecodeMacroBlock(b);
  EXPECT_EQ(m.repeat, 0x0102);
  ASSERT_EQ(m.steps.size(), 3u);
  EXPECT_EQ(m.steps[0], (MacroStep{true, 0x04, 1260}));
  EXPECT_EQ(m.steps[1], (MacroStep{false, 0x04, 1300}));
  EXPECT_EQ(m.steps[2], (MacroStep{true, 0x05, 200}));
  EXPECT_TRUE(m.wellFormed);
}

TEST(MacroBlock, MalformedPairsStopTheList) {
  Block b{};
  b[2] = 0x01; b[3] = 0x04;
  b[4] = 0x10; b[5] = 0x05;  // flag without its marker bit
  const DeviceMacro m = DecodeMacroBlock(b);
  EXPECT_FALSE(m.wellFormed);
  EXPECT_EQ(m.steps.size(), 1u);

  Block lone{};
  lone[2] = 25; lone[3] = 0x02;  // a long pause with no event before it
  EXPECT_FALSE(DecodeMacroBlock(lone).wellFormed);
}

TEST(MacroBlock, AFullBlockStaysWithinItsBytes) {
  Block b;
  b.fill(0x01);
  const DeviceMacro m = DecodeMacroBlock(b);
  EXPECT_EQ(m.steps.size(), 63u);
}

}  // namespace
}  // namespace vmouse
