#include "skingen/mask.h"

namespace skingen {

Image MaskFromCoverage(int width, int height, std::span<const uint8_t> coverage, int stride) {
  Image mask(width, height, kMaskOutside);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const size_t at = size_t(y) * size_t(stride) + size_t(x);
      if (at < coverage.size() && coverage[at] >= 128) mask.Set(x, y, kMaskInside);
    }
  return mask;
}

void CutToKey(Image& image, std::span<const uint8_t> coverage, int stride, Rgb key) {
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) {
      const size_t at = size_t(y) * size_t(stride) + size_t(x);
      const bool inside = at < coverage.size() && coverage[at] >= 85;
      if (!inside) {
        image.Set(x, y, key);
      } else if (image.At(x, y) == key) {
        Rgb c = key;
        c.b = uint8_t(c.b > 0 ? c.b - 1 : 1);
        image.Set(x, y, c);
      }
    }
}

}  // namespace skingen
