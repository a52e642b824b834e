// Records every key that reaches the desktop, with a low-level keyboard hook
// on a thread of its own, so the test thread may block (waiting for vmctl, for
// a file) without keeping the hook from being served. The keys are swallowed:
// a synthetic Ctrl+A must not reach whatever has the focus.
#pragma once

#include <windows.h>

#include <cstdio>
#include <mutex>
#include <string>
#include <vector>

struct SeenKey {
  std::string what;  // "down 41", "up 11"
  double ms;         // on the recorder's clock
};

class CKeyHookRecorder {
 public:
  CKeyHookRecorder() {
    QueryPerformanceFrequency(&frequency_);
    ready_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    Self() = this;
    thread_ = CreateThread(nullptr, 0, &CKeyHookRecorder::Run, this, 0, &threadId_);
    if (thread_) WaitForSingleObject(ready_, 15000);
  }
  ~CKeyHookRecorder() {
    if (thread_) {
      PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
      WaitForSingleObject(thread_, 5000);
      CloseHandle(thread_);
    }
    CloseHandle(ready_);
    Self() = nullptr;
  }
  CKeyHookRecorder(const CKeyHookRecorder&) = delete;
  CKeyHookRecorder& operator=(const CKeyHookRecorder&) = delete;

  // The hook is set and has seen a probe key.
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
  static CKeyHookRecorder*& Self() {
    static CKeyHookRecorder* self = nullptr;
    return self;
  }

  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
    CKeyHookRecorder* self = Self();
    if (code != HC_ACTION || !self) return CallNextHookEx(nullptr, code, wParam, lParam);
    const auto* k = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
    if (k->vkCode == VK_F24) {
      self->probeSeen_ = true;  // the warm-up probe, not a key under test
    } else {
      char text[16];
      std::snprintf(text, sizeof text, "%s %02x", (k->flags & LLKHF_UP) ? "up" : "down",
                    static_cast<unsigned>(k->vkCode));
      std::lock_guard lock(self->mutex_);
      self->seen_.push_back({text, self->Now()});
    }
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
    auto* self = static_cast<CKeyHookRecorder*>(param);
    HHOOK hook = SetWindowsHookExA(WH_KEYBOARD_LL, Hook, GetModuleHandleA(nullptr), 0);
    // A new hook may miss the first keys: send a probe until it sees one.
    for (int tries = 0; hook && tries < 100 && !self->probeSeen_; ++tries) {
      keybd_event(VK_F24, 0, 0, 0);
      keybd_event(VK_F24, 0, KEYEVENTF_KEYUP, 0);
      Pump(50);
    }
    Pump(50);
    self->warm_ = hook && self->probeSeen_;
    SetEvent(self->ready_);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    if (hook) UnhookWindowsHookEx(hook);
    return 0;
  }

  LARGE_INTEGER frequency_{};
  HANDLE ready_ = nullptr;
  HANDLE thread_ = nullptr;
  DWORD threadId_ = 0;
  volatile bool probeSeen_ = false;
  bool warm_ = false;
  mutable std::mutex mutex_;
  std::vector<SeenKey> seen_;
};
