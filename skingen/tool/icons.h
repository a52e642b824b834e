// The programs' icons, drawn at every size an icon file carries, and the
// side picture of the setup program's first and last pages.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "skingen/image.h"

namespace skingen {

// The .ico file of "Option" or "Monitor"; empty for any other name.
std::vector<uint8_t> RenderIcon(std::string_view program);

// 164 x 314, the size the setup program's wizard shows.
Image RenderSetupSide();

}  // namespace skingen
