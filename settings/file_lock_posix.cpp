#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "settings/file_lock.h"

// The folder is locked rather than the file, because a save moves a new file
// over the old one and a lock on the old one would no longer guard anything.
CFileLock::CFileLock(const std::filesystem::path& file) {
  std::filesystem::path folder = file.parent_path();
  if (folder.empty()) folder = ".";
  int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  while (::flock(fd, LOCK_EX) != 0) {
    if (errno != EINTR) {
      ::close(fd);
      return;
    }
  }
  handle_ = fd;
}

void CFileLock::Release() {
  if (handle_ == kNone) return;
  ::close(static_cast<int>(handle_));  // closing the descriptor drops the lock
  handle_ = kNone;
}
