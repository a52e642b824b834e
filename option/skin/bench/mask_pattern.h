// The benchmark's detailed 800 x 600 mask: concentric rings cut into a window.
#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

inline constexpr int kBenchWidth = 800;
inline constexpr int kBenchHeight = 600;

inline std::vector<uint32_t> RingMask() {
  std::vector<uint32_t> pixels(size_t(kBenchWidth) * kBenchHeight);
  for (int y = 0; y < kBenchHeight; ++y)
    for (int x = 0; x < kBenchWidth; ++x) {
      const int ring = static_cast<int>(std::hypot(x - 400.0, y - 300.0)) / 10;
      pixels[size_t(y) * kBenchWidth + x] = (ring % 2) ? 0x00FFFFFFu : 0x00203040u;
    }
  return pixels;
}
