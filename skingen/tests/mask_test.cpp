#include "skingen/mask.h"

#include <gtest/gtest.h>

#include <vector>

namespace skingen {
namespace {

TEST(Mask, HalfCoveredPixelsAreInsideAndNothingIsGrey) {
  // One row: uncovered, just under half, half, full; stride longer than the row.
  const std::vector<uint8_t> coverage{0, 127, 128, 255, 9, 9};
  const Image mask = MaskFromCoverage(4, 1, coverage, 6);
  EXPECT_EQ(mask.At(0, 0), kMaskOutside);
  EXPECT_EQ(mask.At(1, 0), kMaskOutside);
  EXPECT_EQ(mask.At(2, 0), kMaskInside);
  EXPECT_EQ(mask.At(3, 0), kMaskInside);
}

TEST(Mask, ShortCoverageLeavesTheRestOutside) {
  const std::vector<uint8_t> coverage{255};
  const Image mask = MaskFromCoverage(2, 2, coverage, 2);
  EXPECT_EQ(mask.At(0, 0), kMaskInside);
  EXPECT_EQ(mask.At(1, 1), kMaskOutside);
}

TEST(Mask, CutToKeyMarksExactlyTheUncoveredPixels) {
  const Rgb key{255, 0, 255};
  Image image(3, 1, key);  // the art happens to use the key colour everywhere
  image.Set(2, 0, {10, 20, 30});
  const std::vector<uint8_t> coverage{0, 200, 255};
  CutToKey(image, coverage, 3, key);
  EXPECT_EQ(image.At(0, 0), key);
  EXPECT_NE(image.At(1, 0), key);  // covered: moved off the key
  EXPECT_EQ(image.At(2, 0), (Rgb{10, 20, 30}));
}

}  // namespace
}  // namespace skingen
