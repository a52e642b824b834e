// Owners of the system's handles (and COM interfaces): each closes its handle
// exactly once, moves, and never copies. One template serves every kind; a
// kind is a closing function and the value that means "none".
#pragma once

#include <windows.h>

#include <utility>

template <typename Handle, typename Traits>
class CUniqueHandle {
 public:
  CUniqueHandle() = default;
  explicit CUniqueHandle(Handle h) : handle_(Traits::IsNone(h) ? nullptr : h) {}
  ~CUniqueHandle() { Reset(); }
  CUniqueHandle(CUniqueHandle&& o) noexcept : handle_(o.Release()) {}
  CUniqueHandle& operator=(CUniqueHandle&& o) noexcept {
    if (this != &o) Reset(o.Release());
    return *this;
  }
  CUniqueHandle(const CUniqueHandle&) = delete;
  CUniqueHandle& operator=(const CUniqueHandle&) = delete;

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  // Closes what is held and takes h.
  void Reset(Handle h = nullptr) {
    if (handle_) Traits::Close(handle_);
    handle_ = Traits::IsNone(h) ? nullptr : h;
  }
  // Hands the handle to someone who closes it (a window takes its region).
  Handle Release() { return std::exchange(handle_, nullptr); }
  // Closes what is held and lends the place to a function that hands out a
  // new handle through a pointer (RegOpenKeyEx, CreateStreamOnHGlobal).
  Handle* Receive() {
    Reset();
    return &handle_;
  }

 private:
  Handle handle_ = nullptr;
};

namespace wingui_traits {

// Only null means none, except where a kind says otherwise.
struct NullIsNone {
  template <typename Handle>
  static bool IsNone(Handle h) {
    return h == nullptr;
  }
};

// Kernel objects (file, mutex, event, mapping, thread, process): a failed
// CreateFile's INVALID_HANDLE_VALUE is held as none.
struct Kernel {
  static bool IsNone(HANDLE h) { return h == nullptr || h == INVALID_HANDLE_VALUE; }
  static void Close(HANDLE h) { CloseHandle(h); }
};
struct Module : NullIsNone {
  static void Close(HMODULE h) { FreeLibrary(h); }
};
struct MappedView : NullIsNone {
  static void Close(void* view) { UnmapViewOfFile(view); }
};
struct RegKey : NullIsNone {
  static void Close(HKEY key) { RegCloseKey(key); }
};
struct Menu : NullIsNone {
  static void Close(HMENU menu) { DestroyMenu(menu); }
};
struct Icon : NullIsNone {
  static void Close(HICON icon) { DestroyIcon(icon); }
};
struct Hook : NullIsNone {
  static void Close(HHOOK hook) { UnhookWindowsHookEx(hook); }
};
struct WinEventHook : NullIsNone {
  static void Close(HWINEVENTHOOK hook) { UnhookWinEvent(hook); }
};
struct GlobalMemory : NullIsNone {
  static void Close(HGLOBAL memory) { GlobalFree(memory); }
};
struct ComInterface : NullIsNone {
  template <typename Interface>
  static void Close(Interface* object) {
    object->Release();
  }
};

}  // namespace wingui_traits

using CHandle = CUniqueHandle<HANDLE, wingui_traits::Kernel>;
using CModule = CUniqueHandle<HMODULE, wingui_traits::Module>;
using CMappedView = CUniqueHandle<void*, wingui_traits::MappedView>;
using CRegKey = CUniqueHandle<HKEY, wingui_traits::RegKey>;
using CMenu = CUniqueHandle<HMENU, wingui_traits::Menu>;
using CIcon = CUniqueHandle<HICON, wingui_traits::Icon>;
using CHook = CUniqueHandle<HHOOK, wingui_traits::Hook>;
using CWinEventHook = CUniqueHandle<HWINEVENTHOOK, wingui_traits::WinEventHook>;
using CGlobalMemory = CUniqueHandle<HGLOBAL, wingui_traits::GlobalMemory>;
// A COM interface, released once.
template <typename Interface>
using CComPtr = CUniqueHandle<Interface*, wingui_traits::ComInterface>;
