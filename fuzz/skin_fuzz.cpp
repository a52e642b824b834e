// Skin descriptions come from files beside the program that anyone can edit:
// reading one, and parsing its placement records, must never fail badly.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "option/skin/placement.h"
#include "option/skin/skin_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const Placement direct = ParsePlacement(text);
  if (direct.name.size() > kPlacementNameMax || direct.text.size() > kPlacementTextMax) __builtin_trap();

  const CSkinDescription skin = CSkinDescription::Parse(text);
  const SkinScreenImages images = skin.Screen();
  if (images.normal.size() >= kSkinValueBuffer) __builtin_trap();
  for (int key = 0; key < 60; ++key) {
    const Placement p = skin.PlacementOf(key);
    if (p.name.size() > kPlacementNameMax || p.text.size() > kPlacementTextMax) __builtin_trap();
  }
  return 0;
}
