#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "settings/file_replace.h"

bool CSystemFileReplace::Create(const std::filesystem::path& file) {
  Close();
  const int fd = open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  handle_ = fd;
  return true;
}

bool CSystemFileReplace::Write(std::string_view bytes) {
  if (handle_ == kNone) return false;
  while (!bytes.empty()) {
    const ssize_t n = write(static_cast<int>(handle_), bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

bool CSystemFileReplace::Flush() {
  return handle_ != kNone && fsync(static_cast<int>(handle_)) == 0;
}

bool CSystemFileReplace::Close() {
  if (handle_ == kNone) return true;
  const bool closed = close(static_cast<int>(handle_)) == 0;
  handle_ = kNone;
  return closed;
}

bool CSystemFileReplace::Move(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (std::rename(from.c_str(), to.c_str()) != 0) return false;
  // The new name is on the disk once the folder is.
  std::filesystem::path folder = to.parent_path();
  if (folder.empty()) folder = ".";
  const int dir = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (dir >= 0) {
    fsync(dir);
    close(dir);
  }
  return true;
}

void CSystemFileReplace::Remove(const std::filesystem::path& file) { unlink(file.c_str()); }
