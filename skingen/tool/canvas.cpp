#include "skingen/tool/canvas.h"

namespace skingen {

Canvas::Canvas(int width, int height, cairo_format_t format)
    : width_(width), height_(height), surface_(cairo_image_surface_create(format, width, height)),
      cr_(cairo_create(surface_)) {}

Canvas::~Canvas() {
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

Image Canvas::ToImage() {
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

std::vector<uint8_t> Canvas::Coverage(int* stride) {
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

}  // namespace skingen
