#include <windows.h>

#include "settings/file_lock.h"
#include "wingui/handles_win32.h"

CFileLock::CFileLock(const std::filesystem::path& file) {
  CHandle mutex(CreateMutexA(nullptr, FALSE, FileLockName(file).c_str()));
  if (!mutex) return;
  // WAIT_ABANDONED: a writer died holding it; the file itself is whole
  // (saves replace it in one move), so the lock is simply ours now.
  DWORD r = WaitForSingleObject(mutex.Get(), INFINITE);
  if (r != WAIT_OBJECT_0 && r != WAIT_ABANDONED) return;
  handle_ = reinterpret_cast<intptr_t>(mutex.Release());
}

void CFileLock::Release() {
  if (handle_ == kNone) return;
  CHandle mutex(reinterpret_cast<HANDLE>(handle_));
  ReleaseMutex(mutex.Get());
  handle_ = kNone;
}
