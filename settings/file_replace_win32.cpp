#include <windows.h>

#include "settings/file_replace.h"

bool ReplaceFileWith(const std::filesystem::path& from, const std::filesystem::path& to) {
  // A reader that has the old file open without delete sharing (any
  // GetPrivateProfileString in another program, for instance) makes the move
  // fail for a moment; such readers are quick, so try again for up to a second.
  for (int attempt = 0; attempt < 50; ++attempt) {
    // MOVEFILE_WRITE_THROUGH: the call returns only once the move is on disk.
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
      return true;
    DWORD error = GetLastError();
    if (error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED &&
        error != ERROR_LOCK_VIOLATION)
      return false;
    Sleep(20);
  }
  return false;
}
