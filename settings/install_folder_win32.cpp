#include <windows.h>

#include <vector>

#include "settings/profile_files.h"

std::string InstallFolder() {
  std::vector<char> buffer(32768);
  DWORD n = GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
  if (n == 0 || n >= buffer.size()) return {};  // failed or cut short
  std::string path(buffer.data(), n);
  size_t slash = path.find_last_of("\\/");
  if (slash == std::string::npos) return {};
  return path.substr(0, slash + 1);
}
