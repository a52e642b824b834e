// Owning wrapper of a kernel handle for the device link's threads.
#pragma once

#include <windows.h>

#include <utility>

class DeviceHandle {
 public:
  DeviceHandle() = default;
  explicit DeviceHandle(HANDLE h) : h_(h) {}
  ~DeviceHandle() { Reset(); }
  DeviceHandle(DeviceHandle&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
  DeviceHandle& operator=(DeviceHandle&& o) noexcept {
    if (this != &o) {
      Reset();
      h_ = std::exchange(o.h_, nullptr);
    }
    return *this;
  }
  DeviceHandle(const DeviceHandle&) = delete;
  DeviceHandle& operator=(const DeviceHandle&) = delete;

  HANDLE get() const { return h_; }
  explicit operator bool() const { return h_ != nullptr; }
  void Reset() {
    if (h_) CloseHandle(h_);
    h_ = nullptr;
  }

 private:
  HANDLE h_ = nullptr;
};
