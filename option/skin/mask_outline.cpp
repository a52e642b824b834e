#include "option/skin/mask_outline.h"

#include <algorithm>
#include <climits>

namespace {

struct KeyRange {
  uint8_t lo[3], hi[3];  // blue, green, red

  uint32_t exact;  // the key as a pixel, for the common tolerance 0
  bool exactOnly;

  KeyRange(uint32_t colorRef, uint8_t tolerance) {
    const uint8_t key[3] = {uint8_t(colorRef >> 16), uint8_t(colorRef >> 8), uint8_t(colorRef)};
    exact = uint32_t{key[0]} | (uint32_t{key[1]} << 8) | (uint32_t{key[2]} << 16);
    exactOnly = tolerance == 0;
    for (int i = 0; i < 3; ++i) {
      lo[i] = key[i];
      hi[i] = uint8_t(std::min(255, key[i] + tolerance));
    }
  }
  bool Contains(uint32_t pixel) const {
    if (exactOnly) return (pixel & 0x00FFFFFFu) == exact;
    for (int i = 0; i < 3; ++i) {
      const uint8_t c = uint8_t(pixel >> (8 * i));
      if (c < lo[i] || c > hi[i]) return false;
    }
    return true;
  }
};

constexpr OutlineRect kEmptyBounds{INT32_MAX, INT32_MAX, 0, 0};

}  // namespace

void BuildOutline(const uint32_t* pixels, int width, int height, ptrdiff_t stride,
                  uint32_t keyColor, uint8_t tolerance, const OutlineSink& sink) {
  if (!pixels || width <= 0 || height <= 0) return;
  const KeyRange key(keyColor, tolerance);
  std::vector<OutlineRect> rects;
  rects.reserve(kOutlineGrowth);
  OutlineRect bounds = kEmptyBounds;

  auto flush = [&] {
    if (!rects.empty()) sink(rects, bounds);
    rects.clear();
    bounds = kEmptyBounds;
  };

  for (int y = 0; y < height; ++y) {
    const uint32_t* row = pixels + ptrdiff_t{y} * stride;
    for (int x = 0; x < width; ++x) {
      if (key.Contains(row[x])) continue;
      const int start = x;
      while (x < width && !key.Contains(row[x])) ++x;
      if (rects.size() == rects.capacity()) rects.reserve(rects.capacity() + kOutlineGrowth);
      rects.push_back({start, y, x, y + 1});
      bounds.left = std::min(bounds.left, start);
      bounds.top = std::min(bounds.top, y);
      bounds.right = std::max(bounds.right, x);
      bounds.bottom = std::max(bounds.bottom, y + 1);
      if (rects.size() == kOutlineBatch) flush();
    }
  }
  flush();
}
