// A window outline from a mask picture, as lists of one-row rectangles: every
// pixel whose colour is outside the key range belongs to the window.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

struct OutlineRect {
  int32_t left, top, right, bottom;  // right and bottom exclusive
};

// The rectangle list grows 100 at a time and is handed on every 2000
// rectangles, so a region is built from a handful of large batches.
inline constexpr size_t kOutlineGrowth = 100;
inline constexpr size_t kOutlineBatch = 2000;

// Receives one batch and its bounding box; the list is emptied afterwards.
using OutlineSink = std::function<void(const std::vector<OutlineRect>& rects, const OutlineRect& bounds)>;

// Pixels are 32-bit 0x00RRGGBB values (blue in the low byte), rows top-down,
// stride counted in pixels. keyColor is a colour reference (red in the low
// byte). A pixel is cut away when each of its red, green and blue bytes lies
// in [key byte, min(key byte + tolerance, 255)]. The sink is called only for
// non-empty batches.
void BuildOutline(const uint32_t* pixels, int width, int height, ptrdiff_t stride,
                  uint32_t keyColor, uint8_t tolerance, const OutlineSink& sink);

// Colour reference of red, green and blue bytes.
constexpr uint32_t MakeColorRef(uint8_t r, uint8_t g, uint8_t b) {
  return uint32_t{r} | (uint32_t{g} << 8) | (uint32_t{b} << 16);
}
