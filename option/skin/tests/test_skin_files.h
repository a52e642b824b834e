// Small skins written by the tests themselves: 24-bit BMP pictures and a
// skin description, in a fresh folder.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace testskin {

// Pixel colour as a colour reference (red in the low byte).
using PixelFn = std::function<uint32_t(int x, int y)>;

inline void WriteBmp(const std::filesystem::path& path, int w, int h, const PixelFn& pixel) {
  const int rowBytes = (w * 3 + 3) & ~3;
  const uint32_t dataSize = uint32_t(rowBytes) * h;
  std::vector<uint8_t> f(54 + dataSize, 0);
  auto put16 = [&](size_t at, uint16_t v) { f[at] = uint8_t(v); f[at + 1] = uint8_t(v >> 8); };
  auto put32 = [&](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) f[at + i] = uint8_t(v >> (8 * i));
  };
  f[0] = 'B';
  f[1] = 'M';
  put32(2, uint32_t(f.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, uint32_t(w));
  put32(22, uint32_t(h));  // bottom-up rows
  put16(26, 1);
  put16(28, 24);
  put32(34, dataSize);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const uint32_t c = pixel(x, y);
      const size_t at = 54 + size_t(h - 1 - y) * rowBytes + size_t(x) * 3;
      f[at] = uint8_t(c >> 16);  // blue
      f[at + 1] = uint8_t(c >> 8);
      f[at + 2] = uint8_t(c);
    }
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(f.data()), f.size());
}

inline void WriteText(const std::filesystem::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// A fresh, empty folder under the temporary folder.
inline std::filesystem::path FreshFolder(const std::string& name) {
  const auto dir = std::filesystem::temp_directory_path() / name;
  std::error_code ec;
  std::filesystem::remove_all(dir, ec);
  std::filesystem::create_directories(dir);
  return dir;
}

// A w x h skin whose four state pictures are flat colours (normal, over,
// down, disabled) and whose mask cuts away the top-left square of size cut.
struct FlatSkin {
  static constexpr uint32_t kNormal = 0x00203040, kOver = 0x00405060, kDown = 0x00607080,
                            kDisabled = 0x00808080;
};

inline void WriteFlatSkin(const std::filesystem::path& dir, const std::string& iniName, int w,
                          int h, int cut, const std::string& buttonPos) {
  WriteBmp(dir / "mask.bmp", w, h,
           [cut](int x, int y) { return (x < cut && y < cut) ? 0x00FFFFFFu : 0x00000000u; });
  WriteBmp(dir / "normal.bmp", w, h, [](int, int) { return FlatSkin::kNormal; });
  WriteBmp(dir / "over.bmp", w, h, [](int, int) { return FlatSkin::kOver; });
  WriteBmp(dir / "down.bmp", w, h, [](int, int) { return FlatSkin::kDown; });
  WriteBmp(dir / "disable.bmp", w, h, [](int, int) { return FlatSkin::kDisabled; });
  WriteText(dir / iniName,
            "[SCREEN]\r\nMask=mask.bmp\r\nNormal=normal.bmp\r\nOver=over.bmp\r\nDown=down.bmp\r\n"
            "Disable=disable.bmp\r\n[BUTTONPOS]\r\n" + buttonPos);
}

}  // namespace testskin
