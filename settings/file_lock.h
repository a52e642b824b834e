// A lock shared by every process that rewrites the same settings file, held
// from before the file is read until after it is written back.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

class CFileLock {
 public:
  // Waits until the lock of file is held. A lock that can't be made (no
  // such folder, no kernel object) leaves the caller unguarded, not stuck.
  explicit CFileLock(const std::filesystem::path& file);
  ~CFileLock();
  CFileLock(const CFileLock&) = delete;
  CFileLock& operator=(const CFileLock&) = delete;
  CFileLock(CFileLock&& other) noexcept : handle_(other.handle_) { other.handle_ = kNone; }
  CFileLock& operator=(CFileLock&& other) noexcept;

  bool Held() const { return handle_ != kNone; }

 private:
  void Release();

  static constexpr intptr_t kNone = -1;
  intptr_t handle_ = kNone;  // the mutex handle on Windows, a folder descriptor natively
};

// The name of the Windows mutex that guards file: the config mutex name and a
// hash of the lower-cased absolute path, so that every spelling of one file
// gives one name.
std::string FileLockName(const std::filesystem::path& file);
