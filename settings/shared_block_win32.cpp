#include <windows.h>

#include <cstring>
#include <utility>

#include "settings/shared_block.h"
#include "settings/system_names.h"
#include "wingui/handles_win32.h"

namespace {

constexpr char kMapViewFailed[] = "Could not map view of file.";

// The process's one view of the block, its mapping and the guarding mutex.
class CSharedBlock {
 public:
  ~CSharedBlock() { Close(); }

  int Create() {
    if (view_) return 1;
    mutex_ = CHandle(CreateMutexA(nullptr, FALSE, names::kSharedBlockMutex));
    if (!mutex_) return 0;
    // A null access list: every account of the desktop gets full access.
    SECURITY_DESCRIPTOR descriptor;
    if (!InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION) ||
        !SetSecurityDescriptorDacl(&descriptor, TRUE, nullptr, FALSE))
      return Fail();
    SECURITY_ATTRIBUTES attributes{sizeof attributes, &descriptor, TRUE};
    mapping_ = CHandle(CreateFileMappingA(INVALID_HANDLE_VALUE, &attributes, PAGE_READWRITE, 0,
                                          sizeof(ProfileSet), names::kSharedBlockName));
    if (!mapping_ || !MapView()) return Fail();
    return 1;
  }

  int Open() {
    if (view_) return 1;
    mutex_ = CHandle(OpenMutexA(MUTEX_ALL_ACCESS, FALSE, names::kSharedBlockMutex));
    mapping_ = CHandle(OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, names::kSharedBlockName));
    if (!mapping_) return Fail();
    if (!MapView()) {
      Fail();
      MessageBoxA(nullptr, kMapViewFailed, names::kOptionTitle, MB_OK | MB_ICONERROR);
      return 0;
    }
    return 1;
  }

  int Read(ProfileSet& dest) {
    return Locked([&] { std::memcpy(&dest, view_.Get(), sizeof(ProfileSet)); });
  }

  int Write(const ProfileSet& src) {
    return Locked([&] { std::memcpy(view_.Get(), &src, sizeof(ProfileSet)); });
  }

  int Close() {
    if (!view_ && !mapping_ && !mutex_) return 0;
    view_.Reset();
    mapping_.Reset();
    mutex_.Reset();
    return 1;
  }

 private:
  bool MapView() {
    view_.Reset(MapViewOfFile(mapping_.Get(), FILE_MAP_ALL_ACCESS, 0, 0, sizeof(ProfileSet)));
    return static_cast<bool>(view_);
  }

  int Fail() {
    Close();
    return 0;
  }

  template <typename Copy>
  int Locked(Copy copy) {
    if (!view_ || !mutex_) return 0;
    const DWORD wait = WaitForSingleObject(mutex_.Get(), INFINITE);
    if (wait == WAIT_ABANDONED) {
      // A program died holding the mutex, perhaps halfway through a copy: the
      // block may be torn, so skip this copy. The wait made us the owner;
      // release it, or every later copy in both programs would hang.
      ReleaseMutex(mutex_.Get());
      return 0;
    }
    if (wait != WAIT_OBJECT_0) return 0;
    copy();
    ReleaseMutex(mutex_.Get());
    return 1;
  }

  CHandle mutex_;
  CHandle mapping_;
  CMappedView view_;
};

CSharedBlock& Block() {
  static CSharedBlock block;
  return block;
}

}  // namespace

int CreateSharedBlock() { return Block().Create(); }
int OpenSharedBlock() { return Block().Open(); }
int ReadSharedBlock(ProfileSet& dest) { return Block().Read(dest); }
int WriteSharedBlock(const ProfileSet& src) { return Block().Write(src); }
int CloseSharedBlock() { return Block().Close(); }

bool SharedBlockMutexExists() {
  const CHandle mutex(OpenMutexA(SYNCHRONIZE, FALSE, names::kSharedBlockMutex));
  return static_cast<bool>(mutex);
}
