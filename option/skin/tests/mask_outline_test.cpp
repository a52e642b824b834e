#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "option/skin/mask_outline.h"

namespace {

constexpr uint32_t kWhitePixel = 0x00FFFFFF;
constexpr uint32_t kWhiteKey = MakeColorRef(255, 255, 255);

struct Mask {
  int width, height;
  std::vector<uint32_t> pixels;
  Mask(int w, int h, uint32_t fill) : width(w), height(h), pixels(size_t(w) * h, fill) {}
  uint32_t& At(int x, int y) { return pixels[size_t(y) * width + x]; }
};

struct Batches {
  std::vector<std::vector<OutlineRect>> lists;
  std::vector<OutlineRect> bounds;
};

Batches Build(const Mask& m, uint32_t key = kWhiteKey, uint8_t tolerance = 0) {
  Batches b;
  BuildOutline(m.pixels.data(), m.width, m.height, m.width, key, tolerance,
               [&](const std::vector<OutlineRect>& r, const OutlineRect& box) {
                 b.lists.push_back(r);
                 b.bounds.push_back(box);
               });
  return b;
}

// The pixels covered by every batch, to compare with the mask.
std::vector<int> Coverage(const Batches& b, int w, int h) {
  std::vector<int> cover(size_t(w) * h, 0);
  for (const auto& list : b.lists)
    for (const OutlineRect& r : list)
      for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) ++cover[size_t(y) * w + x];
  return cover;
}

}  // namespace

TEST(BuildOutline, AllWhiteGivesNothingAndNoWhiteGivesFullRows) {
  EXPECT_TRUE(Build(Mask(40, 30, kWhitePixel)).lists.empty());

  const Batches full = Build(Mask(40, 30, 0x00102030));
  ASSERT_EQ(full.lists.size(), 1u);
  ASSERT_EQ(full.lists[0].size(), 30u);
  for (int y = 0; y < 30; ++y) {
    const OutlineRect& r = full.lists[0][y];
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.right, 40);
    EXPECT_EQ(r.top, y);
    EXPECT_EQ(r.bottom, y + 1);
  }
  EXPECT_EQ(full.bounds[0].left, 0);
  EXPECT_EQ(full.bounds[0].bottom, 30);
}

TEST(BuildOutline, OnlyPureWhiteIsCutWithZeroTolerance) {
  Mask m(3, 1, kWhitePixel);
  m.At(1, 0) = 0x00FFFFFE;  // red 255, green 255, blue 254
  const Batches b = Build(m);
  ASSERT_EQ(b.lists.size(), 1u);
  ASSERT_EQ(b.lists[0].size(), 1u);
  EXPECT_EQ(b.lists[0][0].left, 1);
  EXPECT_EQ(b.lists[0][0].right, 2);
}

TEST(BuildOutline, ToleranceWidensTheKeyUpwardsOnEachByte) {
  Mask m(4, 1, 0);
  m.At(0, 0) = 0x00646464;  // key itself
  m.At(1, 0) = 0x0069696E;  // red 105, green 105, blue 110: within +10
  m.At(2, 0) = 0x00636464;  // red 99: below the key
  m.At(3, 0) = 0x00646470;  // blue 112: above key + 10
  const Batches b = Build(m, MakeColorRef(100, 100, 100), 10);
  ASSERT_EQ(b.lists.size(), 1u);
  ASSERT_EQ(b.lists[0].size(), 1u);
  EXPECT_EQ(b.lists[0][0].left, 2);
  EXPECT_EQ(b.lists[0][0].right, 4);
}

TEST(BuildOutline, ManyRunsComeInBatchesThatCoverTheMaskExactly) {
  Mask m(300, 80, kWhitePixel);
  std::mt19937 rng(7);
  for (uint32_t& p : m.pixels)
    if (rng() % 2) p = 0x00000000;
  const Batches b = Build(m);
  ASSERT_GT(b.lists.size(), 2u);  // far more than 2000 runs
  size_t total = 0;
  for (size_t i = 0; i < b.lists.size(); ++i) {
    EXPECT_LE(b.lists[i].size(), kOutlineBatch);
    if (i + 1 < b.lists.size()) {
      EXPECT_EQ(b.lists[i].size(), kOutlineBatch);
    }
    total += b.lists[i].size();
    for (const OutlineRect& r : b.lists[i]) {
      EXPECT_GE(r.left, b.bounds[i].left);
      EXPECT_GE(r.top, b.bounds[i].top);
      EXPECT_LE(r.right, b.bounds[i].right);
      EXPECT_LE(r.bottom, b.bounds[i].bottom);
    }
  }
  EXPECT_GT(total, kOutlineBatch);
  const std::vector<int> cover = Coverage(b, m.width, m.height);
  for (size_t i = 0; i < cover.size(); ++i)
    ASSERT_EQ(cover[i], m.pixels[i] == kWhitePixel ? 0 : 1) << "pixel " << i;
}

TEST(BuildOutline, StrideSkipsPaddingAndEmptyInputIsQuiet) {
  std::vector<uint32_t> padded = {1, kWhitePixel, 7, 7, kWhitePixel, 1, 7, 7};
  Batches b;
  BuildOutline(padded.data(), 2, 2, 4, kWhiteKey, 0,
               [&](const std::vector<OutlineRect>& r, const OutlineRect&) { b.lists.push_back(r); });
  ASSERT_EQ(b.lists.size(), 1u);
  ASSERT_EQ(b.lists[0].size(), 2u);
  EXPECT_EQ(b.lists[0][0].right, 1);
  EXPECT_EQ(b.lists[0][1].left, 1);

  int calls = 0;
  BuildOutline(nullptr, 10, 10, 10, kWhiteKey, 0, [&](auto&, auto&) { ++calls; });
  BuildOutline(padded.data(), 0, -3, 4, kWhiteKey, 0, [&](auto&, auto&) { ++calls; });
  EXPECT_EQ(calls, 0);
}
