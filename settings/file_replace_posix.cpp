#include <system_error>

#include "settings/file_replace.h"

bool ReplaceFileWith(const std::filesystem::path& from, const std::filesystem::path& to) {
  std::error_code ec;
  std::filesystem::rename(from, to, ec);
  return !ec;
}
