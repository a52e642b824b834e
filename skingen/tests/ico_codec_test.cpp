#include "skingen/ico_codec.h"

#include <gtest/gtest.h>

namespace skingen {
namespace {

uint32_t Le16(const std::vector<uint8_t>& b, size_t at) { return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8; }
uint32_t Le32(const std::vector<uint8_t>& b, size_t at) { return Le16(b, at) | Le16(b, at + 2) << 16; }

// A 3 x 3 picture: opaque red on top, the middle pixel see-through.
IconPicture Small() {
  IconPicture p{3, std::vector<uint8_t>(3 * 3 * 4, 0), {}};
  for (size_t i = 0; i < 9; ++i) {
    p.rgba[i * 4] = uint8_t(200 + i);
    p.rgba[i * 4 + 1] = 10;
    p.rgba[i * 4 + 2] = 20;
    p.rgba[i * 4 + 3] = i == 4 ? 0 : 255;
  }
  return p;
}

TEST(Ico, DirectoryPointsAtEachPicture) {
  const IconPicture pictures[] = {Small(), {256, {}, {0x89, 'P', 'N', 'G', 1, 2, 3}}};
  const auto bytes = EncodeIco(pictures);
  ASSERT_GE(bytes.size(), 6u + 32u);
  EXPECT_EQ(Le16(bytes, 0), 0u);
  EXPECT_EQ(Le16(bytes, 2), 1u);
  EXPECT_EQ(Le16(bytes, 4), 2u);
  // Entry 0: 3 x 3, 32 bits, a header, 36 colour bytes and 3 mask rows of 4.
  EXPECT_EQ(bytes[6], 3);
  EXPECT_EQ(bytes[7], 3);
  EXPECT_EQ(Le16(bytes, 6 + 6), 32u);
  EXPECT_EQ(Le32(bytes, 6 + 8), 40u + 36u + 12u);
  EXPECT_EQ(Le32(bytes, 6 + 12), 38u);
  // Entry 1: 256 is written as 0; the PNG bytes go in as they are, last.
  EXPECT_EQ(bytes[22], 0);
  EXPECT_EQ(bytes[23], 0);
  EXPECT_EQ(Le32(bytes, 22 + 8), 7u);
  EXPECT_EQ(Le32(bytes, 22 + 12), 38u + 88u);
  EXPECT_EQ(bytes.size(), 38u + 88u + 7u);
  EXPECT_EQ(bytes[38 + 88], 0x89);
}

TEST(Ico, PictureIsBottomUpWithDoubleHeightAndAMaskOfTheSeeThroughPixels) {
  const IconPicture pictures[] = {Small()};
  const auto bytes = EncodeIco(pictures);
  const size_t dib = 22;
  EXPECT_EQ(Le32(bytes, dib), 40u);
  EXPECT_EQ(Le32(bytes, dib + 4), 3u);
  EXPECT_EQ(Le32(bytes, dib + 8), 6u);
  EXPECT_EQ(Le16(bytes, dib + 14), 32u);
  // The first stored pixel is the bottom-left one (index 6), blue first.
  const size_t colours = dib + 40;
  EXPECT_EQ(bytes[colours], 20);
  EXPECT_EQ(bytes[colours + 2], 206);
  EXPECT_EQ(bytes[colours + 3], 255);
  // Mask rows: bottom and top fully opaque, the middle row's middle bit set.
  const size_t mask = colours + 36;
  EXPECT_EQ(bytes[mask], 0);
  EXPECT_EQ(bytes[mask + 4], 0x40);
  EXPECT_EQ(bytes[mask + 8], 0);
}

TEST(Ico, RefusesSizesItCannotStore) {
  IconPicture wrong = Small();
  wrong.rgba.pop_back();
  const IconPicture tooLarge{257, std::vector<uint8_t>(257 * 257 * 4), {}};
  EXPECT_TRUE(EncodeIco(std::span<const IconPicture>{&wrong, 1}).empty());
  EXPECT_TRUE(EncodeIco(std::span<const IconPicture>{&tooLarge, 1}).empty());
  EXPECT_TRUE(EncodeIco({}).empty());
}

}  // namespace
}  // namespace skingen
