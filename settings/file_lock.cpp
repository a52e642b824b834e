#include "settings/file_lock.h"

#include <cstdio>
#include <system_error>

#include "settings/system_names.h"

FileLock& FileLock::operator=(FileLock&& other) noexcept {
  if (this != &other) {
    Release();
    handle_ = other.handle_;
    other.handle_ = kNone;
  }
  return *this;
}

FileLock::~FileLock() { Release(); }

std::string FileLockName(const std::filesystem::path& file) {
  std::error_code ec;
  std::filesystem::path full = std::filesystem::absolute(file, ec);
  if (ec) full = file;
  std::string text = full.lexically_normal().generic_string();
  // FNV-1a over the lower-cased path: Windows paths compare without case.
  uint64_t hash = 14695981039346656037ull;
  for (char c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
  }
  char suffix[24];
  std::snprintf(suffix, sizeof suffix, "_%016llx", static_cast<unsigned long long>(hash));
  return std::string(names::kConfigFileMutex) + suffix;
}
