#include "skingen/bmp_codec.h"

#include <cstddef>
#include <cstdlib>

namespace skingen {
namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr size_t kInfoHeaderSize = 40;

size_t RowStride(int width, int bits) { return ((size_t(width) * size_t(bits) + 31) / 32) * 4; }

void Put16(std::vector<uint8_t>& out, size_t at, uint32_t v) {
  out[at] = uint8_t(v);
  out[at + 1] = uint8_t(v >> 8);
}
void Put32(std::vector<uint8_t>& out, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) out[at + size_t(i)] = uint8_t(v >> (8 * i));
}
uint32_t Get16(std::span<const uint8_t> in, size_t at) { return uint32_t(in[at]) | uint32_t(in[at + 1]) << 8; }
uint32_t Get32(std::span<const uint8_t> in, size_t at) {
  uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = v << 8 | in[at + size_t(i)];
  return v;
}

// File and info headers, then palette entries of four bytes each.
std::vector<uint8_t> Headers(const Image& image, int bits, uint32_t palette) {
  const size_t data_size = RowStride(image.width, bits) * size_t(image.height);
  const size_t offset = kFileHeaderSize + kInfoHeaderSize + 4 * size_t(palette);
  std::vector<uint8_t> out(offset + data_size, 0);
  out[0] = 'B';
  out[1] = 'M';
  Put32(out, 2, uint32_t(out.size()));
  Put32(out, 10, uint32_t(offset));
  Put32(out, 14, uint32_t(kInfoHeaderSize));
  Put32(out, 18, uint32_t(image.width));
  Put32(out, 22, uint32_t(image.height));  // positive: rows stored bottom-up
  Put16(out, 26, 1);
  Put16(out, 28, uint32_t(bits));
  Put32(out, 34, uint32_t(data_size));
  Put32(out, 38, 2835);  // 72 dpi
  Put32(out, 42, 2835);
  Put32(out, 46, palette);
  return out;
}

}  // namespace

std::vector<uint8_t> EncodeBmp(const Image& image) {
  const size_t stride = RowStride(image.width, 24);
  std::vector<uint8_t> out = Headers(image, 24, 0);
  const size_t offset = Get32(out, 10);
  for (int y = 0; y < image.height; ++y) {
    uint8_t* row = &out[offset + size_t(image.height - 1 - y) * stride];
    for (int x = 0; x < image.width; ++x) {
      const Rgb c = image.At(x, y);
      row[x * 3] = c.b;
      row[x * 3 + 1] = c.g;
      row[x * 3 + 2] = c.r;
    }
  }
  return out;
}

std::vector<uint8_t> EncodeMaskBmp(const Image& image) {
  const size_t stride = RowStride(image.width, 1);
  std::vector<uint8_t> out = Headers(image, 1, 2);
  const size_t palette = kFileHeaderSize + kInfoHeaderSize;
  Put32(out, palette, 0x00000000);      // 0: black
  Put32(out, palette + 4, 0x00FFFFFF);  // 1: white
  const size_t offset = Get32(out, 10);
  for (int y = 0; y < image.height; ++y) {
    uint8_t* row = &out[offset + size_t(image.height - 1 - y) * stride];
    for (int x = 0; x < image.width; ++x) {
      const Rgb c = image.At(x, y);
      if (c.r == 255 && c.g == 255 && c.b == 255) row[x / 8] |= uint8_t(0x80 >> (x % 8));  // leftmost in the high bit
    }
  }
  return out;
}

std::optional<Image> DecodeBmp(std::span<const uint8_t> bytes) {
  if (bytes.size() < kFileHeaderSize + kInfoHeaderSize || bytes[0] != 'B' || bytes[1] != 'M') return std::nullopt;
  const uint32_t offset = Get32(bytes, 10);
  const uint32_t header = Get32(bytes, 14);
  const int32_t width = int32_t(Get32(bytes, 18));
  const int32_t raw_height = int32_t(Get32(bytes, 22));
  const uint32_t bits = Get16(bytes, 28);
  if (header < kInfoHeaderSize || Get16(bytes, 26) != 1 || (bits != 24 && bits != 1) || Get32(bytes, 30) != 0)
    return std::nullopt;
  // Limits keep a hostile header from asking for gigabytes.
  if (width <= 0 || width > 16384 || raw_height == 0 || raw_height < -16384 || raw_height > 16384)
    return std::nullopt;
  const int height = std::abs(raw_height);
  const size_t stride = RowStride(width, int(bits));
  if (offset > bytes.size() || bytes.size() - offset < stride * size_t(height)) return std::nullopt;
  // A 1-bit file's two palette entries follow the info header.
  const size_t palette = kFileHeaderSize + size_t(header);
  Rgb colors[2]{};
  if (bits == 1) {
    if (palette + 8 > offset) return std::nullopt;
    for (size_t i = 0; i < 2; ++i)
      colors[i] = {bytes[palette + 4 * i + 2], bytes[palette + 4 * i + 1], bytes[palette + 4 * i]};
  }
  Image image(width, height);
  for (int y = 0; y < height; ++y) {
    const size_t stored = raw_height > 0 ? size_t(height - 1 - y) : size_t(y);
    const uint8_t* row = &bytes[offset + stored * stride];
    for (int x = 0; x < width; ++x) {
      if (bits == 1)
        image.Set(x, y, colors[(row[x / 8] >> (7 - x % 8)) & 1]);
      else
        image.Set(x, y, {row[x * 3 + 2], row[x * 3 + 1], row[x * 3]});
    }
  }
  return image;
}

}  // namespace skingen
