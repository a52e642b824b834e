// A cairo drawing surface of a given size and what the generator takes out
// of it: the opaque picture, or the coverage of what was drawn.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <string_view>
#include <vector>

#include "skingen/image.h"

namespace skingen {

class CCanvas {
 public:
  CCanvas(int width, int height, cairo_format_t format = CAIRO_FORMAT_ARGB32);
  ~CCanvas();
  CCanvas(const CCanvas&) = delete;
  CCanvas& operator=(const CCanvas&) = delete;

  cairo_t* cr() const { return cr_; }
  int width() const { return width_; }
  int height() const { return height_; }

  // The picture, composed over black (the generator always paints opaque).
  Image ToImage();
  // One byte per pixel: the alpha of what was drawn (A8 or ARGB32 surfaces).
  std::vector<uint8_t> Coverage(int* stride);
  // Red, green, blue, alpha per pixel, straight alpha, rows from the top
  // (ARGB32 surfaces), and the same as a PNG file.
  std::vector<uint8_t> ToRgba();
  std::vector<uint8_t> ToPng();

 private:
  int width_, height_;
  cairo_surface_t* surface_;
  cairo_t* cr_;
};

}  // namespace skingen
