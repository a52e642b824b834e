// Owning wrapper of a kernel handle for the desktop actions.
#pragma once

#include <windows.h>

#include <utility>

class ActionHandle {
 public:
  ActionHandle() = default;
  explicit ActionHandle(HANDLE h) : h_(h) {}
  ~ActionHandle() { Close(); }
  ActionHandle(ActionHandle&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
  ActionHandle& operator=(ActionHandle&& o) noexcept {
    if (this != &o) {
      Close();
      h_ = std::exchange(o.h_, nullptr);
    }
    return *this;
  }
  ActionHandle(const ActionHandle&) = delete;
  ActionHandle& operator=(const ActionHandle&) = delete;

  HANDLE get() const { return h_; }
  explicit operator bool() const { return h_ != nullptr; }

 private:
  void Close() {
    if (h_) CloseHandle(h_);
    h_ = nullptr;
  }
  HANDLE h_ = nullptr;
};
