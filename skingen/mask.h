// Hard-edged pictures for the two colour-keyed cuts of the toolkit: window
// outlines (pure white is outside) and slider thumbs (the top-left pixel's
// colour is outside). The keys are compared exactly, so antialiased edges
// must be decided one way or the other before the pictures are written.
#pragma once

#include <cstdint>
#include <span>

#include "skingen/image.h"

namespace skingen {

inline constexpr Rgb kMaskOutside{255, 255, 255};
inline constexpr Rgb kMaskInside{0, 0, 0};

// coverage: one byte per pixel (0 = outside, 255 = fully inside), rows of
// `stride` bytes. A pixel at least half covered is inside.
Image MaskFromCoverage(int width, int height, std::span<const uint8_t> coverage, int stride);

// Sets every pixel that is less than a third covered to the key colour and
// moves every other pixel that happens to equal the key off it, so that
// exactly the uncovered pixels carry the key.
void CutToKey(Image& image, std::span<const uint8_t> coverage, int stride, Rgb key);

}  // namespace skingen
