// Owners of GDI objects for the virtual mouse window: a pen, brush, font or
// bitmap deleted once, and a memory DC with its bitmap for flicker-free paint.
#pragma once

#include <windows.h>

#include <utility>

namespace vmouse {

class CGdiObject {
 public:
  CGdiObject() = default;
  explicit CGdiObject(HGDIOBJ object) : object_(object) {}
  ~CGdiObject() {
    if (object_) DeleteObject(object_);
  }
  CGdiObject(const CGdiObject&) = delete;
  CGdiObject& operator=(const CGdiObject&) = delete;
  CGdiObject(CGdiObject&& o) noexcept : object_(std::exchange(o.object_, nullptr)) {}
  CGdiObject& operator=(CGdiObject&& o) noexcept {
    std::swap(object_, o.object_);
    return *this;
  }
  HGDIOBJ get() const { return object_; }

 private:
  HGDIOBJ object_ = nullptr;
};

// A memory DC compatible with target, holding a bitmap of the given size.
class CMemoryDC {
 public:
  CMemoryDC(HDC target, int width, int height)
      : dc_(CreateCompatibleDC(target)),
        bitmap_(CreateCompatibleBitmap(target, width, height)),
        old_(SelectObject(dc_, bitmap_.get())) {}
  ~CMemoryDC() {
    SelectObject(dc_, old_);
    DeleteDC(dc_);
  }
  CMemoryDC(const CMemoryDC&) = delete;
  CMemoryDC& operator=(const CMemoryDC&) = delete;
  HDC get() const { return dc_; }

 private:
  HDC dc_;
  CGdiObject bitmap_;
  HGDIOBJ old_;
};

}  // namespace vmouse
