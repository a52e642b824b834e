// Records every key and mouse button that reaches the desktop, with low-level
// hooks on a thread of their own, so the test thread may block (waiting for
// vmctl, for a file) without keeping the hooks from being served. Keys and
// buttons are swallowed: a synthetic Ctrl+A or click must not reach whatever
// is on the screen. Pointer moves pass. Under Wine another program's synthetic
// input reaches these hooks whichever window has the X focus, or none.
#pragma once

#include <windows.h>

#include <cstdio>
#include <mutex>
#include <string>
#include <vector>

struct SeenKey {
  std::string what;  // "down 41", "up 11"; buttons "down left", "up x1"
  double ms;         // when the hook saw it, on the recorder's clock
  // When it was sent, stamped by the system (GetTickCount's clock). Intervals
  // are timed on these: a hook served late sees one key late and the next one
  // early, but the stamps stay where the sender put them.
  DWORD stamp;
};

class CInputHookRecorder {
 public:
  CInputHookRecorder() {
    QueryPerformanceFrequency(&frequency_);
    ready_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    Self() = this;
    thread_ = CreateThread(nullptr, 0, &CInputHookRecorder::Run, this, 0, &threadId_);
    if (thread_) WaitForSingleObject(ready_, 15000);
  }
  ~CInputHookRecorder() {
    if (thread_) {
      PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
      WaitForSingleObject(thread_, 5000);
      CloseHandle(thread_);
    }
    CloseHandle(ready_);
    Self() = nullptr;
  }
  CInputHookRecorder(const CInputHookRecorder&) = delete;
  CInputHookRecorder& operator=(const CInputHookRecorder&) = delete;

  // The hooks are set and the keyboard hook has seen a probe key.
  bool Ready() const { return warm_; }

  std::vector<SeenKey> Seen() const {
    std::lock_guard lock(mutex_);
    return seen_;
  }
  std::vector<std::string> Keys() const {
    std::vector<std::string> keys;
    for (const SeenKey& k : Seen()) keys.push_back(k.what);
    return keys;
  }
  void Clear() {
    std::lock_guard lock(mutex_);
    seen_.clear();
  }
  // Waits until at least count keys were seen and then nothing new came for
  // quietMs; false on timeout.
  bool WaitForKeys(size_t count, DWORD quietMs, DWORD timeoutMs) const {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    size_t last = 0;
    ULONGLONG lastChange = GetTickCount64();
    for (;;) {
      const size_t now = Seen().size();
      if (now != last) {
        last = now;
        lastChange = GetTickCount64();
      }
      if (now >= count && GetTickCount64() - lastChange >= quietMs) return true;
      if (GetTickCount64() > end) return false;
      Sleep(10);
    }
  }
  double Now() const {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency_.QuadPart);
  }

 private:
  static CInputHookRecorder*& Self() {
    static CInputHookRecorder* self = nullptr;
    return self;
  }

  void Record(const char* what, DWORD stamp) {
    std::lock_guard lock(mutex_);
    seen_.push_back({what, Now(), stamp});
  }

  static LRESULT CALLBACK KeyboardHook(int code, WPARAM wParam, LPARAM lParam) {
    CInputHookRecorder* self = Self();
    if (code != HC_ACTION || !self) return CallNextHookEx(nullptr, code, wParam, lParam);
    const auto* k = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    if (k->vkCode == VK_F24) {
      self->probeSeen_ = true;  // the warm-up probe, not a key under test
    } else {
      char text[16];
      std::snprintf(text, sizeof text, "%s %02x", (k->flags & LLKHF_UP) ? "up" : "down",
                    static_cast<unsigned>(k->vkCode));
      self->Record(text, k->time);
    }
    return 1;
  }

  static LRESULT CALLBACK MouseHook(int code, WPARAM wParam, LPARAM lParam) {
    CInputHookRecorder* self = Self();
    if (code == HC_ACTION && self && wParam == WM_MOUSEMOVE &&
        reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam)->dwExtraInfo == kMouseProbe)
      self->mouseProbeSeen_ = true;
    if (code != HC_ACTION || !self || wParam == WM_MOUSEMOVE || wParam == WM_MOUSEWHEEL ||
        wParam == WM_MOUSEHWHEEL)
      return CallNextHookEx(nullptr, code, wParam, lParam);
    const auto* m = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
    const char* what = "other";
    switch (wParam) {
      case WM_LBUTTONDOWN: what = "down left"; break;
      case WM_LBUTTONUP: what = "up left"; break;
      case WM_RBUTTONDOWN: what = "down right"; break;
      case WM_RBUTTONUP: what = "up right"; break;
      case WM_MBUTTONDOWN: what = "down middle"; break;
      case WM_MBUTTONUP: what = "up middle"; break;
      case WM_XBUTTONDOWN: what = HIWORD(m->mouseData) == XBUTTON1 ? "down x1" : "down x2"; break;
      case WM_XBUTTONUP: what = HIWORD(m->mouseData) == XBUTTON1 ? "up x1" : "up x2"; break;
      default: break;
    }
    self->Record(what, m->time);
    return 1;
  }

  static void Pump(DWORD ms) {
    const ULONGLONG end = GetTickCount64() + ms;
    while (GetTickCount64() < end) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
      MSG msg;
      while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    }
  }

  static DWORD WINAPI Run(void* param) {
    auto* self = static_cast<CInputHookRecorder*>(param);
    HHOOK hook = SetWindowsHookExA(WH_KEYBOARD_LL, KeyboardHook, GetModuleHandleA(nullptr), 0);
    HHOOK mouse = SetWindowsHookExA(WH_MOUSE_LL, MouseHook, GetModuleHandleA(nullptr), 0);
    // New hooks may miss the first input: send probes until both see one (a
    // key nobody uses, a move by nothing).
    for (int tries = 0; hook && mouse && tries < 100 && !(self->probeSeen_ && self->mouseProbeSeen_);
         ++tries) {
      keybd_event(VK_F24, 0, 0, 0);
      keybd_event(VK_F24, 0, KEYEVENTF_KEYUP, 0);
      mouse_event(MOUSEEVENTF_MOVE, 0, 0, 0, kMouseProbe);
      Pump(50);
    }
    Pump(50);
    self->warm_ = self->probeSeen_ && self->mouseProbeSeen_;
    SetEvent(self->ready_);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    if (hook) UnhookWindowsHookEx(hook);
    if (mouse) UnhookWindowsHookEx(mouse);
    return 0;
  }

  LARGE_INTEGER frequency_{};
  HANDLE ready_ = nullptr;
  HANDLE thread_ = nullptr;
  DWORD threadId_ = 0;
  static constexpr ULONG_PTR kMouseProbe = 0x0590BE;
  volatile bool probeSeen_ = false, mouseProbeSeen_ = false;
  bool warm_ = false;
  mutable std::mutex mutex_;
  std::vector<SeenKey> seen_;
};
