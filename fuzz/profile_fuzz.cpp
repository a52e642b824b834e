// A profile file of arbitrary content loads without fault, and the record it
// gives is safe to use: names terminated, macro counts in range.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "settings/profile_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("profile_fuzz_" + std::to_string(getpid()) + ".gmp");
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  auto profile = std::make_unique<Profile>();
  std::memset(profile.get(), 0xCC, sizeof(Profile));
  LoadProfile(*profile, path);
  std::filesystem::remove(path);
  if (strnlen(profile->ProFileName, sizeof profile->ProFileName) == sizeof profile->ProFileName)
    std::abort();
  if (strnlen(profile->GameFile, sizeof profile->GameFile) == sizeof profile->GameFile) std::abort();
  for (const MacroKeyInfo& k : profile->MacroKeyInfo) {
    if (k.count < 0 || k.count > kMacroEventCount) std::abort();
    if (strnlen(k.macroName, sizeof k.macroName) == sizeof k.macroName) std::abort();
    if (strnlen(k.program, sizeof k.program) == sizeof k.program) std::abort();
  }
  return 0;
}
