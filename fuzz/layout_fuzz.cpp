// The skin layout parser takes any text without crashing, and whatever it
// accepts keeps its controls inside the window.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "skingen/layout.h"
#include "skingen/skin_ini.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const skingen::ParseResult result = skingen::ParseLayout(text);
  if (!result.layout) return 0;
  for (const auto& c : result.layout->controls)
    if (c.rect.x + c.rect.w > result.layout->width || c.rect.y + c.rect.h > result.layout->height ||
        c.help.find(',') != std::string::npos)
      std::abort();
  (void)skingen::SkinIni(*result.layout);
  return 0;
}
