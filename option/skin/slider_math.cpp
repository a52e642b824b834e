#include "option/skin/slider_math.h"

#include <algorithm>
#include <climits>
#include <cstdint>

int ClampSliderValue(int v, int minimum, int maximum) {
  if (v > maximum) v = maximum;
  if (v < minimum) v = minimum;
  return v;
}

// A track no wider than its thumb, or an empty range, has every value at L;
// the arithmetic below would divide by zero there.
static bool Degenerate(const SliderGeometry& g) { return g.Usable() <= 0 || g.maximum <= g.minimum; }

int ThumbLeftForValue(const SliderGeometry& g, int v) {
  v = ClampSliderValue(v, g.minimum, g.maximum);
  if (Degenerate(g)) return g.left;
  const int64_t offset = int64_t{g.Usable()} * (int64_t{v} - g.minimum) /
                         (int64_t{g.maximum} - g.minimum);
  return g.left + static_cast<int>(offset);
}

int DragThumbLeft(const SliderGeometry& g, int currentLeft, int dx) {
  const int64_t wanted = int64_t{currentLeft} + dx;
  const int64_t rightmost = std::max<int64_t>(g.left, int64_t{g.right} - g.thumbWidth);
  return static_cast<int>(std::clamp<int64_t>(wanted, g.left, rightmost));
}

int ValueAtThumbLeft(const SliderGeometry& g, int thumbLeft) {
  if (Degenerate(g)) return ClampSliderValue(g.minimum, g.minimum, g.maximum);
  const int64_t v = g.minimum + (int64_t{thumbLeft} - g.left) *
                                    (int64_t{g.maximum} - g.minimum) / g.Usable();
  return static_cast<int>(std::clamp<int64_t>(v, g.minimum, g.maximum));
}

double RealValueAtThumbLeft(const SliderGeometry& g, int thumbLeft) {
  if (Degenerate(g)) return g.minimum;
  return (double(g.maximum) - g.minimum) * (double(thumbLeft) - g.left) / g.Usable() + g.minimum;
}

double RealValueAtTrackClick(int x, int trackLeft, int trackRight, int minimum, int maximum) {
  if (trackRight <= trackLeft) return minimum;
  return (double(x) - trackLeft) * (double(maximum) - minimum) / (double(trackRight) - trackLeft) +
         minimum;
}

int SettleSliderValue(double real, bool snap, int minimum, int maximum) {
  if (snap) real += 0.5;
  // Clamp before the conversion: a double outside int's range has no int.
  real = std::clamp(real, double(INT_MIN), double(INT_MAX));
  return ClampSliderValue(static_cast<int>(real), minimum, maximum);
}
