// The portable half of RegionFromMask: the rectangle lists of an 800 x 600
// mask with a detailed outline. Prints the time per mask.
#include <chrono>
#include <cstdio>

#include "option/skin/mask_outline.h"
#include "mask_pattern.h"

int main() {
  const std::vector<uint32_t> mask = RingMask();
  size_t rects = 0, batches = 0;
  auto build = [&] {
    rects = batches = 0;
    BuildOutline(mask.data(), kBenchWidth, kBenchHeight, kBenchWidth, MakeColorRef(255, 255, 255), 0,
                 [&](const std::vector<OutlineRect>& list, const OutlineRect&) {
                   rects += list.size();
                   ++batches;
                 });
  };
  build();  // warm up
  constexpr int kRounds = 50;
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < kRounds; ++i) build();
  const double ms =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count() / kRounds;
  std::printf("outline rectangle lists, 800x600 mask: %zu runs in %zu batches, %.3f ms per mask\n",
              rects, batches, ms);
  return 0;
}
