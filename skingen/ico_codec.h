// Windows icon files (.ico): one picture in several sizes. Small sizes are
// stored as 32-bit pictures with their AND mask (what every loader reads),
// large ones as PNG (what the shell expects at 256 and what keeps the file
// small). Pure: pictures in, the file's bytes out.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace skingen {

struct IconPicture {
  int size = 0;                 // width and height, 1 to 256
  std::vector<uint8_t> rgba;    // size * size * 4, straight alpha, rows from the top
  std::vector<uint8_t> png;     // when not empty, stored instead of rgba
};

// Empty when a picture's size is out of range or its pixels don't match it.
std::vector<uint8_t> EncodeIco(std::span<const IconPicture> pictures);

}  // namespace skingen
