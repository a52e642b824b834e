#include <windows.h>

#include "settings/file_lock.h"

FileLock::FileLock(const std::filesystem::path& file) {
  HANDLE mutex = CreateMutexA(nullptr, FALSE, FileLockName(file).c_str());
  if (!mutex) return;
  // WAIT_ABANDONED: a writer died holding it; the file itself is whole
  // (saves replace it in one move), so the lock is simply ours now.
  DWORD r = WaitForSingleObject(mutex, INFINITE);
  if (r != WAIT_OBJECT_0 && r != WAIT_ABANDONED) {
    CloseHandle(mutex);
    return;
  }
  handle_ = reinterpret_cast<intptr_t>(mutex);
}

void FileLock::Release() {
  if (handle_ == kNone) return;
  HANDLE mutex = reinterpret_cast<HANDLE>(handle_);
  ReleaseMutex(mutex);
  CloseHandle(mutex);
  handle_ = kNone;
}
