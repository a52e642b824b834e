// Stand-ins for the media players, for the tests of the desktop actions: windows
// of the players' classes and titles that record the commands and keystrokes
// they receive, and a stand-in Winamp registered the way the real one
// registers itself.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "wingui/process_win32.h"
#include "wingui/window_win32.h"

struct Received {
  HWND hwnd;
  UINT msg;
  WPARAM wParam;
  LPARAM lParam;
  bool operator==(const Received&) const = default;
};

namespace stand_in {

// What the recording windows received, in order (they live on one thread).
inline std::vector<Received>& ReceivedLog() {
  static std::vector<Received> received;
  return received;
}

inline LRESULT CALLBACK RecordingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_COMMAND || msg == WM_KEYDOWN || msg == WM_KEYUP || msg == WM_APPCOMMAND) {
    ReceivedLog().push_back({hwnd, msg, wParam, lParam});
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

// A hidden recording window of the class and title.
inline HWND MakeWindow(const char* className, const char* title) {
  WNDCLASSA wc = {};
  wc.lpfnWndProc = RecordingProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = className;
  RegisterClassA(&wc);
  return CreateWindowExA(0, className, title, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                         wc.hInstance, nullptr);
}

// The three players driven through their windows.
struct Players {
  Players()
      : itunes(MakeWindow("iTunes", "iTunes")),
        real(MakeWindow("GeminiWindowClass", "RealPlayer")),
        winamp(MakeWindow("Winamp v1.x", "Winamp")) {}
  ~Players() {
    DestroyWindow(itunes);
    DestroyWindow(real);
    DestroyWindow(winamp);
  }
  Players(const Players&) = delete;
  Players& operator=(const Players&) = delete;
  HWND itunes, real, winamp;
};

inline constexpr char kWinampCommandKey[] = "SOFTWARE\\Classes\\Winamp.File\\shell\\open\\command";

// Program registered as Winamp's open command ("program" "%1") for the
// object's life.
class CWinampRegistration {
 public:
  explicit CWinampRegistration(const std::string& program) {
    HKEY key;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kWinampCommandKey, 0, nullptr, 0, KEY_WRITE, nullptr,
                        &key, nullptr) != ERROR_SUCCESS)
      return;
    const std::string command = "\"" + program + "\" \"%1\"";
    ok_ = RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                         static_cast<DWORD>(command.size() + 1)) == ERROR_SUCCESS;
    RegCloseKey(key);
  }
  ~CWinampRegistration() { RegDeleteKeyA(HKEY_LOCAL_MACHINE, kWinampCommandKey); }
  CWinampRegistration(const CWinampRegistration&) = delete;
  CWinampRegistration& operator=(const CWinampRegistration&) = delete;
  bool Ok() const { return ok_; }

 private:
  bool ok_ = false;
};

// Dispatches this thread's messages for ms milliseconds.
inline void Pump(DWORD ms) {
  const ULONGLONG end = GetTickCount64() + ms;
  for (;;) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    if (GetTickCount64() >= end) return;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
}

// Waits for the condition while serving this thread's windows; false on timeout.
inline bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  while (!condition()) {
    if (GetTickCount64() > end) return false;
    Pump(20);
  }
  return true;
}

// Runs a program to its end while serving this thread's windows (a program
// that sends to them would otherwise wait for us); its exit code, -1 if it
// could not start or did not end in time.
inline int RunServing(const std::string& commandLine, DWORD timeoutMs = 30000) {
  const CHandle process = StartProcess(commandLine);
  if (!process || !WaitDispatching(process.Get(), timeoutMs)) return -1;
  return ExitCodeWithin(process.Get(), 0);
}

}  // namespace stand_in
