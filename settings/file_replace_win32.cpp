#include <windows.h>

#include "settings/file_replace.h"

bool ReplaceFileWith(const std::filesystem::path& from, const std::filesystem::path& to) {
  // MOVEFILE_WRITE_THROUGH: the call returns only once the move is on disk.
  return MoveFileExW(from.c_str(), to.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}
