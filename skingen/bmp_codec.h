// Uncompressed BMP, bottom-up: the form the Windows picture decoder reads
// without surprises. Encoding and decoding are pure (bytes in, bytes out).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "skingen/image.h"

namespace skingen {

// 24 bits per pixel.
std::vector<uint8_t> EncodeBmp(const Image& image);

// 1 bit per pixel with a black and white palette, for masks: white pixels
// stay white, every other one is stored black. A twenty-fourth of the size,
// which the program reads and decodes at every start of a dialog.
std::vector<uint8_t> EncodeMaskBmp(const Image& image);

// Reads back 24-bit and 1-bit uncompressed files (bottom-up or top-down);
// anything else, or a file too short for what its header claims, gives
// nothing.
std::optional<Image> DecodeBmp(std::span<const uint8_t> bytes);

}  // namespace skingen
