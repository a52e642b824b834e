// Baseline JPEG encoding (what the Windows picture decoder reads), pure:
// a picture in, the file's bytes out.
#pragma once

#include <cstdint>
#include <vector>

#include "skingen/image.h"

namespace skingen {

std::vector<uint8_t> EncodeJpeg(const Image& image, int quality);

}  // namespace skingen
