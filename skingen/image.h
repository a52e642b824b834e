// A plain 24-bit picture in memory: rows top to bottom, pixels red, green,
// blue. The unit the generator renders into and the encoders write out.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace skingen {

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct Image {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> pixels;  // width * height * 3, row-major from the top

  Image() = default;
  Image(int w, int h, Rgb fill = {}) : width(w), height(h), pixels(std::size_t(w) * std::size_t(h) * 3) {
    for (std::size_t i = 0; i < pixels.size(); i += 3) {
      pixels[i] = fill.r;
      pixels[i + 1] = fill.g;
      pixels[i + 2] = fill.b;
    }
  }
  Rgb At(int x, int y) const {
    const uint8_t* p = &pixels[(std::size_t(y) * std::size_t(width) + std::size_t(x)) * 3];
    return {p[0], p[1], p[2]};
  }
  void Set(int x, int y, Rgb c) {
    uint8_t* p = &pixels[(std::size_t(y) * std::size_t(width) + std::size_t(x)) * 3];
    p[0] = c.r;
    p[1] = c.g;
    p[2] = c.b;
  }
};

}  // namespace skingen
