#include "settings/captions_win32.h"

#include "settings/system_names.h"

CCaptions::CCaptions(const std::filesystem::path& installFolder)
    // A resource-only library: no code of it ever runs.
    : library_(LoadLibraryExW((installFolder / names::kLanguageLibrary).c_str(), nullptr,
                              LOAD_LIBRARY_AS_DATAFILE)) {}

std::string CCaptions::Get(int id) const {
  if (!library_) return "";
  char text[512];
  const int n = LoadStringA(library_.Get(), static_cast<UINT>(id), text, sizeof text);
  return n > 0 ? std::string(text, n) : std::string();
}
