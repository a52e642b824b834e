#include <system_error>

#include "settings/profile_files.h"

std::filesystem::path InstallFolder() {
  std::error_code ec;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec || !exe.has_parent_path()) return {};
  return exe.parent_path() / "";
}
