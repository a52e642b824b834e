#include "skingen/bmp_codec.h"

#include <gtest/gtest.h>

namespace skingen {
namespace {

uint32_t Le32(const std::vector<uint8_t>& b, size_t at) {
  return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24;
}

Image Pattern(int w, int h) {
  Image image(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) image.Set(x, y, {uint8_t(x * 7), uint8_t(y * 13), uint8_t(x + y)});
  return image;
}

TEST(Bmp, HeaderIsPlain24BitBottomUp) {
  const auto bytes = EncodeBmp(Pattern(5, 3));
  ASSERT_GE(bytes.size(), 54u);
  EXPECT_EQ(bytes[0], 'B');
  EXPECT_EQ(bytes[1], 'M');
  EXPECT_EQ(Le32(bytes, 2), bytes.size());
  EXPECT_EQ(Le32(bytes, 10), 54u);
  EXPECT_EQ(Le32(bytes, 18), 5u);
  EXPECT_EQ(Le32(bytes, 22), 3u);  // positive height: bottom-up
  EXPECT_EQ(bytes[28], 24);
  EXPECT_EQ(Le32(bytes, 30), 0u);  // no compression
  // Rows of 15 bytes are padded to 16.
  EXPECT_EQ(bytes.size(), 54u + 16 * 3);
  // The first stored row is the bottom one, in blue, green, red order.
  const Image p = Pattern(5, 3);
  EXPECT_EQ(bytes[54], p.At(0, 2).b);
  EXPECT_EQ(bytes[55], p.At(0, 2).g);
  EXPECT_EQ(bytes[56], p.At(0, 2).r);
}

TEST(Bmp, RoundTripsEveryRowPadding) {
  for (int w = 1; w <= 5; ++w) {
    const Image p = Pattern(w, 4);
    const auto back = DecodeBmp(EncodeBmp(p));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->width, w);
    EXPECT_EQ(back->height, 4);
    EXPECT_EQ(back->pixels, p.pixels);
  }
}

TEST(Bmp, ReadsTopDownFiles) {
  auto bytes = EncodeBmp(Pattern(2, 2));
  // Negate the height and swap the two stored rows.
  const int32_t h = -2;
  for (int i = 0; i < 4; ++i) bytes[22 + size_t(i)] = uint8_t(uint32_t(h) >> (8 * i));
  for (size_t i = 0; i < 8; ++i) std::swap(bytes[54 + i], bytes[62 + i]);
  const auto back = DecodeBmp(bytes);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->pixels, Pattern(2, 2).pixels);
}

TEST(Bmp, RefusesWhatItCannotRead) {
  const auto good = EncodeBmp(Pattern(4, 4));
  EXPECT_FALSE(DecodeBmp({}));
  EXPECT_FALSE(DecodeBmp(std::vector<uint8_t>(good.begin(), good.end() - 1)));  // truncated pixels
  auto other = good;
  other[28] = 32;
  EXPECT_FALSE(DecodeBmp(other));
  auto huge = good;
  huge[21] = 0x7f;  // width beyond any sane picture
  EXPECT_FALSE(DecodeBmp(huge));
  auto offset = good;
  offset[13] = 0x7f;  // pixel data past the end
  EXPECT_FALSE(DecodeBmp(offset));
  auto magic = good;
  magic[0] = 'X';
  EXPECT_FALSE(DecodeBmp(magic));
}

TEST(Bmp, MasksTakeOneBitAndComeBackBlackAndWhite) {
  for (int w = 1; w <= 40; w += 3) {
    Image mask(w, 3);
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < w; ++x)
        mask.Set(x, y, (x + y) % 3 ? Rgb{255, 255, 255} : Rgb{254, 255, 255});  // near-white is not white
    const auto bytes = EncodeMaskBmp(mask);
    EXPECT_EQ(bytes[28], 1);
    EXPECT_EQ(Le32(bytes, 10), 62u);  // headers and two palette entries
    EXPECT_EQ(bytes.size(), 62u + size_t((w + 31) / 32) * 4 * 3);
    const auto back = DecodeBmp(bytes);
    ASSERT_TRUE(back);
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < w; ++x) {
        const Rgb c = back->At(x, y);
        const bool white = (x + y) % 3 != 0;
        EXPECT_EQ(c.r, white ? 255 : 0) << w << " " << x << "," << y;
        EXPECT_EQ(c.b, white ? 255 : 0);
      }
  }
  auto overlapping = EncodeMaskBmp(Image(8, 1));
  overlapping[10] = 58;  // pixels said to start inside the palette
  EXPECT_FALSE(DecodeBmp(overlapping));
}

}  // namespace
}  // namespace skingen
