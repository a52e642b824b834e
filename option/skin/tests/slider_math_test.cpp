#include <gtest/gtest.h>

#include <climits>

#include "option/skin/slider_math.h"

namespace {
// Range 0..10 on a track whose thumb travels 100 pixels.
SliderGeometry Track100() { return {0, 110, 10, 0, 10}; }
}  // namespace

TEST(SliderMath, PlacingClampsAndTruncates) {
  const SliderGeometry g = Track100();
  EXPECT_EQ(g.Usable(), 100);
  EXPECT_EQ(ThumbLeftForValue(g, 0), 0);
  EXPECT_EQ(ThumbLeftForValue(g, 10), 100);
  EXPECT_EQ(ThumbLeftForValue(g, -4), 0);  // below the minimum: left end
  EXPECT_EQ(ThumbLeftForValue(g, 99), 100);
  const SliderGeometry dpi{0, 396, 12, 1, 12};  // 384 / 11 per step
  EXPECT_EQ(ThumbLeftForValue(dpi, 2), 34);     // 34.9 truncated
}

TEST(SliderMath, ReleaseAt55GivesFiveOrSixWithSnap) {
  const SliderGeometry g = Track100();
  const double real = RealValueAtThumbLeft(g, 55);
  EXPECT_DOUBLE_EQ(real, 5.5);
  EXPECT_EQ(SettleSliderValue(real, false, 0, 10), 5);
  const int snapped = SettleSliderValue(real, true, 0, 10);
  EXPECT_EQ(snapped, 6);
  EXPECT_EQ(ThumbLeftForValue(g, snapped), 60);
}

TEST(SliderMath, DraggingStaysOnTheTrackAndTruncates) {
  const SliderGeometry g = Track100();
  EXPECT_EQ(DragThumbLeft(g, 50, -80), 0);
  EXPECT_EQ(DragThumbLeft(g, 50, 80), 100);
  EXPECT_EQ(DragThumbLeft(g, 50, 7), 57);
  EXPECT_EQ(ValueAtThumbLeft(g, 59), 5);
  EXPECT_EQ(ValueAtThumbLeft(g, 100), 10);
  EXPECT_EQ(DragThumbLeft(g, INT_MAX, INT_MAX), 100);
}

TEST(SliderMath, TrackClickUsesTheFullWidth) {
  EXPECT_DOUBLE_EQ(RealValueAtTrackClick(20, 20, 120, 0, 10), 0.0);  // left end: minimum
  EXPECT_DOUBLE_EQ(RealValueAtTrackClick(75, 20, 120, 0, 10), 5.5);
  EXPECT_EQ(SettleSliderValue(RealValueAtTrackClick(75, 20, 120, 0, 10), true, 0, 10), 6);
  EXPECT_EQ(SettleSliderValue(RealValueAtTrackClick(500, 20, 120, 0, 10), false, 0, 10), 10);
  EXPECT_EQ(SettleSliderValue(RealValueAtTrackClick(3, 20, 120, 1, 19), true, 1, 19), 1);
}

TEST(SliderMath, DegenerateTracksAndRangesStayAtTheMinimum) {
  const SliderGeometry narrow{0, 8, 10, 0, 10};  // thumb wider than the track
  EXPECT_EQ(ThumbLeftForValue(narrow, 5), 0);
  EXPECT_EQ(ValueAtThumbLeft(narrow, 3), 0);
  EXPECT_DOUBLE_EQ(RealValueAtThumbLeft(narrow, 3), 0.0);
  EXPECT_EQ(DragThumbLeft(narrow, 0, 5), 0);
  const SliderGeometry flat{0, 110, 10, 4, 4};
  EXPECT_EQ(ThumbLeftForValue(flat, 4), 0);
  EXPECT_EQ(ValueAtThumbLeft(flat, 50), 4);
  EXPECT_DOUBLE_EQ(RealValueAtTrackClick(5, 10, 10, 2, 9), 2.0);
  EXPECT_EQ(SettleSliderValue(1e300, false, 0, 10), 10);
  EXPECT_EQ(SettleSliderValue(-1e300, true, -5, 10), -5);
}
