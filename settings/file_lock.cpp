#include "settings/file_lock.h"

#include <cstdio>
#include <system_error>
#include <type_traits>

#include "settings/system_names.h"

CFileLock& CFileLock::operator=(CFileLock&& other) noexcept {
  if (this != &other) {
    Release();
    handle_ = other.handle_;
    other.handle_ = kNone;
  }
  return *this;
}

CFileLock::~CFileLock() { Release(); }

std::string FileLockName(const std::filesystem::path& file) {
  std::error_code ec;
  std::filesystem::path full = std::filesystem::absolute(file, ec);
  if (ec) full = file;
  // The path's own characters (UTF-16 on Windows): a conversion to narrow
  // text would fail for names outside the code page.
  const std::filesystem::path::string_type text = full.lexically_normal().native();
  // FNV-1a over the lower-cased path: Windows paths compare without case.
  uint64_t hash = 14695981039346656037ull;
  using Unit = std::make_unsigned_t<std::filesystem::path::value_type>;
  for (auto c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<decltype(c)>(c - 'A' + 'a');
    if (c == '\\') c = '/';
    hash = (hash ^ static_cast<Unit>(c)) * 1099511628211ull;
  }
  char suffix[24];
  std::snprintf(suffix, sizeof suffix, "_%016llx", static_cast<unsigned long long>(hash));
  return std::string(names::kConfigFileMutex) + suffix;
}
