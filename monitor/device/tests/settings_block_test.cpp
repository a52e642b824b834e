#include "monitor/device/settings_block.h"

#include <gtest/gtest.h>

#include "device_fixtures.h"

namespace {

TEST(SettingsBlock, LevelCodes) {
  const std::pair<int, uint8_t> cases[] = {
      {1, 0x01},  {3, 0x03},  {4, 0x04},  {5, 0x05},  {6, 0x06}, {7, 0x07}, {8, 0x08},
      {9, 0x15},  {10, 0x16}, {11, 0x17}, {12, 0x18}, {2, 0x02}, {0, 0x02}, {13, 0x02},
      {-1, 0x02}, {0x115, 0x02},
  };
  for (auto [level, code] : cases) EXPECT_EQ(LevelCode(level), code) << level;
}

TEST(SettingsBlock, Palette) {
  EXPECT_EQ(PaletteColor(0), (DeviceColor{255, 0, 0}));
  EXPECT_EQ(PaletteColor(1), (DeviceColor{0, 255, 0}));
  EXPECT_EQ(PaletteColor(2), (DeviceColor{255, 255, 0}));
  EXPECT_EQ(PaletteColor(3), (DeviceColor{0, 0, 255}));
  EXPECT_EQ(PaletteColor(4), (DeviceColor{255, 0, 255}));
  EXPECT_EQ(PaletteColor(5), (DeviceColor{0, 255, 255}));
  EXPECT_EQ(PaletteColor(6), (DeviceColor{255, 255, 255}));
  EXPECT_EQ(PaletteColor(7), (DeviceColor{255, 255, 255}));
  EXPECT_EQ(PaletteColor(8), (DeviceColor{0, 0, 0}));
  EXPECT_EQ(PaletteColor(-1), (DeviceColor{0, 0, 0}));
}

class Lighting : public ::testing::Test {
 protected:
  std::unique_ptr<ProfileSet> set = MakeDefaultSet();
  Profile& p = set->Profiles[0];
  LightingBytes Bytes() const { return EncodeLighting(p); }
};

TEST_F(Lighting, SingleColour) {
  p.LightType = 0;
  p.DanSeType = 1;
  p.DanSeIntensity = 4;
  EXPECT_EQ(Bytes(), (LightingBytes{0, 0, 0}));
  p.DanSeIntensity = 1;
  EXPECT_EQ(Bytes(), (LightingBytes{1, 5, 0x80}));
  p.DanSeIntensity = 2;
  EXPECT_EQ(Bytes(), (LightingBytes{1, 15, 0x80}));
  p.DanSeIntensity = 3;
  EXPECT_EQ(Bytes(), (LightingBytes{1, 37, 0x80}));
  p.DanSeType = 2;
  p.DanSeIntensity = 4;  // only counts in the steady family
  p.DanSeSpeed = 1;
  EXPECT_EQ(Bytes(), (LightingBytes{2, 50, 0x80}));
  p.DanSeSpeed = 2;
  EXPECT_EQ(Bytes(), (LightingBytes{2, 25, 0x80}));
  p.DanSeSpeed = 3;
  EXPECT_EQ(Bytes(), (LightingBytes{2, 15, 0x80}));
  p.DanSeSpeed = 0;
  p.DanSeSpecielSpeed = 7;
  EXPECT_EQ(Bytes(), (LightingBytes{2, 27, 0x80}));
}

TEST_F(Lighting, NeonCustomSpeedUsesModeFour) {
  p.LightType = 1;
  p.NeonIntensity = 1;
  EXPECT_EQ(Bytes(), (LightingBytes{0, 0, 0}));
  p.NeonIntensity = 0;
  p.NeonSpeed = 1;
  EXPECT_EQ(Bytes(), (LightingBytes{3, 37, 0}));
  p.NeonSpeed = 2;
  EXPECT_EQ(Bytes(), (LightingBytes{3, 25, 0}));
  p.NeonSpeed = 3;
  EXPECT_EQ(Bytes(), (LightingBytes{3, 15, 0}));
  p.NeonSpeed = 4;
  p.NeonSpecielSpeed = 10;
  EXPECT_EQ(Bytes(), (LightingBytes{4, 33, 0}));
}

TEST_F(Lighting, ColourWaveCarriesItsDirection) {
  p.LightType = 2;
  p.LightSwitch = 1;
  EXPECT_EQ(Bytes(), (LightingBytes{0, 0, 0}));
  p.LightSwitch = 0;
  p.XuanCaiDirection = 1;
  p.XuanCaiSpeed = 1;
  EXPECT_EQ(Bytes(), (LightingBytes{4, 37, 1}));
  p.XuanCaiSpeed = 3;
  EXPECT_EQ(Bytes(), (LightingBytes{4, 15, 1}));
  p.XuanCaiSpeed = 0;
  p.XuanCaiSpecielSpeed = 0;
  EXPECT_EQ(Bytes(), (LightingBytes{4, 13, 1}));
}

TEST_F(Lighting, SevenColoursAndUnknownTypes) {
  p.LightType = 3;
  p.QiSeIntensity = 1;
  EXPECT_EQ(Bytes(), (LightingBytes{0, 0, 0}));
  p.QiSeIntensity = 0;
  p.QiSeSpeed = 2;
  EXPECT_EQ(Bytes(), (LightingBytes{2, 25, 0}));
  p.QiSeSpeed = 9;
  p.QiSeSpecielSpeed = 200;  // 413 on 8 bits
  EXPECT_EQ(Bytes(), (LightingBytes{2, 413 & 0xFF, 0}));
  p.LightType = 4;
  EXPECT_EQ(Bytes(), (LightingBytes{2, 1, 2}));
  p.LightType = -1;
  EXPECT_EQ(Bytes(), (LightingBytes{2, 1, 2}));
}

TEST(SettingsBlock, DefaultProfileByteForByte) {
  const auto set = MakeDefaultSet();
  DeviceBlock want{};
  const std::pair<size_t, std::vector<uint8_t>> runs[] = {
      {0, {0xFF, 0xFF}},
      {48, {0x35, 0xD4, 0x0B, 0x04}},
      {61, {0x80, 0x03, 0x00, 0x0F, 0x00, 0x0A, 0x0A, 0x19, 0x19, 0x05}},
      {71, {0x04, 25, 0x00, 100, 100}},
      {76, {0x01, 0xC0, 0xF0, 0x03, 0x01, 0x01, 0x64, 0x00}},
      {84, {0x04, 0x06, 0x08, 0x16, 0x18, 0x07, 0x07, 0x07}},
      {92, {0x04, 0x06, 0x08, 0x16, 0x18, 0x07, 0x07, 0x07, 0x7F, 0xFF, 0xFF, 0xFF}},
      {104, {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 0,
             255, 0, 255, 0, 255, 255, 255, 255, 255, 255, 255, 255}},
  };
  for (const auto& [at, bytes] : runs) std::copy(bytes.begin(), bytes.end(), want.begin() + at);
  EXPECT_EQ(Hex(BuildSettingsBlock(set->Profiles[0]).data(), kBlockSize), Hex(want.data(), kBlockSize));
}

TEST(SettingsBlock, SensitivityLevelsAndColours) {
  auto set = MakeDefaultSet();
  Profile& p = set->Profiles[3];
  p.Sensitivity_X = 26;  // 260 on 8 bits
  p.Sensitivity_Y = 1;
  const int32_t levels[kLevelCount] = {1, 2, 9, 13, 0};
  std::copy(std::begin(levels), std::end(levels), p.CpiLevel_X);
  p.CpiLevel_Y[0] = 12;  // the second table follows X all the same
  p.ColorOptions[0] = 7;
  p.ColorOptions[1] = 8;   // no palette entry: the slot's default colour (green)
  p.ColorOptions[2] = -5;  // likewise: blue
  const DeviceBlock b = BuildSettingsBlock(p);
  EXPECT_EQ(b[74], 260 & 0xFF);
  EXPECT_EQ(b[75], 10);
  EXPECT_EQ(Hex(&b[84], 5), "01 02 15 02 02");
  EXPECT_EQ(Hex(&b[92], 5), "01 02 15 02 02");
  EXPECT_EQ(Hex(&b[104], 9), "FF FF FF 00 FF 00 00 00 FF");
}

}  // namespace
