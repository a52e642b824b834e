#include "settings/file_replace.h"

#include <cstdio>
#include <random>

bool ReplaceFileContent(const std::filesystem::path& file, std::string_view bytes,
                        CFileReplace& calls) {
  // A name of its own, so two processes saving the same file don't share it.
  static thread_local std::mt19937_64 random{std::random_device{}()};
  char suffix[32];
  std::snprintf(suffix, sizeof suffix, ".%016llx.tmp", static_cast<unsigned long long>(random()));
  std::filesystem::path temp = file;
  temp += suffix;

  if (!calls.Create(temp)) return false;
  bool written = calls.Write(bytes) && calls.Flush();
  written = calls.Close() && written;
  if (written && calls.Move(temp, file)) return true;
  calls.Remove(temp);
  return false;
}

bool ReplaceFileContent(const std::filesystem::path& file, std::string_view bytes) {
  CSystemFileReplace calls;
  return ReplaceFileContent(file, bytes, calls);
}
