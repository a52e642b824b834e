#include "settings/profile_files.h"
#include "settings/system_path_win32.h"

std::filesystem::path InstallFolder() {
  const std::filesystem::path program = ModulePath(nullptr);
  if (!program.has_parent_path()) return {};
  return program.parent_path() / "";
}
