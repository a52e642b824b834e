#include "skingen/ico_codec.h"

#include <cstddef>

namespace skingen {
namespace {

constexpr size_t kDirectorySize = 6;
constexpr size_t kEntrySize = 16;
constexpr size_t kInfoHeaderSize = 40;

void Put16(std::vector<uint8_t>& out, size_t at, uint32_t v) {
  out[at] = uint8_t(v);
  out[at + 1] = uint8_t(v >> 8);
}
void Put32(std::vector<uint8_t>& out, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) out[at + size_t(i)] = uint8_t(v >> (8 * i));
}

size_t MaskStride(int size) { return ((size_t(size) + 31) / 32) * 4; }

// The picture as an icon stores it: an info header of twice the height (the
// colours and the mask stacked), the colours bottom-up in blue, green, red,
// alpha order, then the AND mask bottom-up (1 = see-through).
std::vector<uint8_t> Dib(const IconPicture& p) {
  const size_t n = size_t(p.size);
  const size_t colours = n * n * 4, mask = MaskStride(p.size) * n;
  std::vector<uint8_t> out(kInfoHeaderSize + colours + mask, 0);
  Put32(out, 0, kInfoHeaderSize);
  Put32(out, 4, uint32_t(n));
  Put32(out, 8, uint32_t(2 * n));
  Put16(out, 12, 1);
  Put16(out, 14, 32);
  Put32(out, 20, uint32_t(colours + mask));
  for (size_t y = 0; y < n; ++y) {
    const size_t stored = n - 1 - y;
    for (size_t x = 0; x < n; ++x) {
      const uint8_t* s = &p.rgba[(y * n + x) * 4];
      uint8_t* d = &out[kInfoHeaderSize + (stored * n + x) * 4];
      d[0] = s[2];
      d[1] = s[1];
      d[2] = s[0];
      d[3] = s[3];
      if (s[3] == 0) out[kInfoHeaderSize + colours + stored * MaskStride(p.size) + x / 8] |= uint8_t(0x80 >> (x % 8));
    }
  }
  return out;
}

}  // namespace

std::vector<uint8_t> EncodeIco(std::span<const IconPicture> pictures) {
  if (pictures.empty() || pictures.size() > 0xFFFF) return {};
  std::vector<std::vector<uint8_t>> images;
  for (const auto& p : pictures) {
    if (p.size < 1 || p.size > 256) return {};
    if (p.png.empty() && p.rgba.size() != size_t(p.size) * size_t(p.size) * 4) return {};
    images.push_back(p.png.empty() ? Dib(p) : p.png);
  }
  std::vector<uint8_t> out(kDirectorySize + kEntrySize * pictures.size(), 0);
  Put16(out, 2, 1);  // an icon, not a cursor
  Put16(out, 4, uint32_t(pictures.size()));
  for (size_t i = 0; i < pictures.size(); ++i) {
    const size_t entry = kDirectorySize + kEntrySize * i;
    out[entry] = uint8_t(pictures[i].size & 0xFF);  // 256 is written as 0
    out[entry + 1] = uint8_t(pictures[i].size & 0xFF);
    Put16(out, entry + 4, 1);
    Put16(out, entry + 6, 32);
    Put32(out, entry + 8, uint32_t(images[i].size()));
    Put32(out, entry + 12, uint32_t(out.size()));
    out.insert(out.end(), images[i].begin(), images[i].end());
  }
  return out;
}

}  // namespace skingen
