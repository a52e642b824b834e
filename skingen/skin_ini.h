// The skin description file of a layout, as the toolkit reads it: section
// SCREEN with the five pictures and section BUTTONPOS with one record
// "name,x,y,w,h,help" per control, keys in ascending order.
#pragma once

#include <string>

#include "skingen/layout.h"

namespace skingen {

std::string SkinIni(const Layout& layout);

}  // namespace skingen
