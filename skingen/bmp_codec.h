// Uncompressed 24-bit BMP, bottom-up: the form the Windows picture decoder
// reads without surprises. Encoding and decoding are pure (bytes in, bytes out).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "skingen/image.h"

namespace skingen {

std::vector<uint8_t> EncodeBmp(const Image& image);

// Reads back 24-bit uncompressed files (bottom-up or top-down); anything else,
// or a file too short for what its header claims, gives nothing.
std::optional<Image> DecodeBmp(std::span<const uint8_t> bytes);

}  // namespace skingen
