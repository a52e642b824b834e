#include <windows.h>

#include <algorithm>

#include "settings/file_replace.h"

namespace {
HANDLE H(intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }
}  // namespace

bool CSystemFileReplace::Create(const std::filesystem::path& file) {
  Close();
  HANDLE h = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  handle_ = reinterpret_cast<intptr_t>(h);
  return true;
}

bool CSystemFileReplace::Write(std::string_view bytes) {
  if (handle_ == kNone) return false;
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1u << 30));
    DWORD written = 0;
    if (!WriteFile(H(handle_), bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

bool CSystemFileReplace::Flush() { return handle_ != kNone && FlushFileBuffers(H(handle_)); }

bool CSystemFileReplace::Close() {
  if (handle_ == kNone) return true;
  const bool closed = CloseHandle(H(handle_));
  handle_ = kNone;
  return closed;
}

bool CSystemFileReplace::Move(const std::filesystem::path& from, const std::filesystem::path& to) {
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

void CSystemFileReplace::Remove(const std::filesystem::path& file) { DeleteFileW(file.c_str()); }
