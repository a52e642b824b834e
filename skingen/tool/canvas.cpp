#include "skingen/tool/canvas.h"

#include <algorithm>

namespace skingen {

CCanvas::CCanvas(int width, int height, cairo_format_t format)
    : width_(width),
      height_(height),
      surface_(cairo_image_surface_create(format, width, height)),
      cr_(cairo_create(surface_)) {}

CCanvas::~CCanvas() {
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

Image CCanvas::ToImage() {
  cairo_surface_flush(surface_);
  const unsigned char* data = cairo_image_surface_get_data(surface_);
  const int stride = cairo_image_surface_get_stride(surface_);
  Image image(width_, height_);
  for (int y = 0; y < height_; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(data + y * stride);
    for (int x = 0; x < width_; ++x) {
      const uint32_t p = row[x];  // premultiplied ARGB: over black it is just RGB
      image.Set(x, y, {uint8_t(p >> 16), uint8_t(p >> 8), uint8_t(p)});
    }
  }
  return image;
}

std::vector<uint8_t> CCanvas::Coverage(int* stride) {
  cairo_surface_flush(surface_);
  const unsigned char* data = cairo_image_surface_get_data(surface_);
  const int src_stride = cairo_image_surface_get_stride(surface_);
  const bool a8 = cairo_image_surface_get_format(surface_) == CAIRO_FORMAT_A8;
  std::vector<uint8_t> out(size_t(width_) * size_t(height_));
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x)
      out[size_t(y) * size_t(width_) + size_t(x)] =
          a8 ? data[y * src_stride + x] : uint8_t(reinterpret_cast<const uint32_t*>(data + y * src_stride)[x] >> 24);
  *stride = width_;
  return out;
}

std::vector<uint8_t> CCanvas::ToRgba() {
  cairo_surface_flush(surface_);
  const unsigned char* data = cairo_image_surface_get_data(surface_);
  const int stride = cairo_image_surface_get_stride(surface_);
  std::vector<uint8_t> out(size_t(width_) * size_t(height_) * 4);
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) {
      const uint32_t p = reinterpret_cast<const uint32_t*>(data + y * stride)[x];
      const uint32_t a = p >> 24;
      uint8_t* d = &out[(size_t(y) * size_t(width_) + size_t(x)) * 4];
      // Cairo keeps colours multiplied by alpha; icons want them straight.
      for (int c = 0; c < 3; ++c) {
        const uint32_t v = (p >> (16 - 8 * c)) & 0xFF;
        d[c] = a ? uint8_t(std::min<uint32_t>(255, (v * 255 + a / 2) / a)) : 0;
      }
      d[3] = uint8_t(a);
    }
  return out;
}

std::vector<uint8_t> CCanvas::ToPng() {
  std::vector<uint8_t> out;
  cairo_surface_write_to_png_stream(
      surface_,
      [](void* closure, const unsigned char* data, unsigned int length) {
        auto* bytes = static_cast<std::vector<uint8_t>*>(closure);
        bytes->insert(bytes->end(), data, data + length);
        return CAIRO_STATUS_SUCCESS;
      },
      &out);
  return out;
}

}  // namespace skingen
