// Owning wrapper of a kernel handle (file, event, mapping): closed once, movable.
#pragma once

#include <windows.h>

#include <utility>

class CKernelHandle {
 public:
  CKernelHandle() = default;
  explicit CKernelHandle(HANDLE h) : h_(h == INVALID_HANDLE_VALUE ? nullptr : h) {}
  ~CKernelHandle() { Reset(); }
  CKernelHandle(const CKernelHandle&) = delete;
  CKernelHandle& operator=(const CKernelHandle&) = delete;
  CKernelHandle(CKernelHandle&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
  CKernelHandle& operator=(CKernelHandle&& o) noexcept {
    if (this != &o) {
      Reset();
      h_ = std::exchange(o.h_, nullptr);
    }
    return *this;
  }
  HANDLE get() const { return h_; }
  explicit operator bool() const { return h_ != nullptr; }
  void Reset() {
    if (h_) CloseHandle(h_);
    h_ = nullptr;
  }

 private:
  HANDLE h_ = nullptr;
};
