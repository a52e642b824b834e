#include "option/pages/profile_fields.h"

#include <algorithm>
#include <cstring>

void StoreProfileName(Profile& profile, const std::string& name) {
  const size_t n = std::min(name.size(), sizeof profile.ProFileName - 1);
  std::memset(profile.ProFileName, 0, sizeof profile.ProFileName);
  std::memcpy(profile.ProFileName, name.data(), n);
}

bool StoreGameFile(Profile& profile, const std::string& path) {
  if (path.size() >= sizeof profile.GameFile) return false;
  std::memset(profile.GameFile, 0, sizeof profile.GameFile);
  std::memcpy(profile.GameFile, path.data(), path.size());
  return true;
}
