// vmctl.exe: drives the virtual mouse from scripts and tests.
//   vmctl plug | unplug | event TYPE VALUE | press N | release N | click N
//   vmctl dump FILE            (FILE relative to vmctl's working folder)
//   vmctl quit
//   vmctl wait-idle [MS [TIMEOUT_MS]]   until no report came for MS (500) ms
//   vmctl wait-window [TIMEOUT_MS]      until the virtual mouse runs
// Exit code 0 done, 1 refused (malformed, unplugged, timeout), 2 no virtual mouse.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "hiddriver/virtual_link.h"
#include "settings/system_names.h"

namespace {

constexpr DWORD kPollMs = 50;

HWND FindMouse() { return FindWindowA(nullptr, names::kVirtualMouseTitle); }

// The window's answer, or -1 when it isn't there or doesn't answer.
long long Send(const std::string& text) {
  HWND mouse = FindMouse();
  if (mouse == nullptr) return -1;
  COPYDATASTRUCT data{vlink::kCopyControl, static_cast<DWORD>(text.size()),
                      const_cast<char*>(text.data())};
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutA(mouse, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                           SMTO_ABORTIFHUNG, 5000, &answer))
    return -1;
  return static_cast<long long>(answer);
}

int WaitIdle(DWORD idleMs, DWORD timeoutMs) {
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  for (;;) {
    const long long idle = Send("idle");
    if (idle < 0) return 2;
    if (idle >= idleMs) return 0;
    if (GetTickCount64() >= end) return 1;
    Sleep(kPollMs);
  }
}

int WaitWindow(DWORD timeoutMs) {
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  while (FindMouse() == nullptr) {
    if (GetTickCount64() >= end) return 1;
    Sleep(kPollMs);
  }
  return 0;
}

DWORD Arg(int argc, char** argv, int i, DWORD fallback) {
  return i < argc ? static_cast<DWORD>(std::strtoul(argv[i], nullptr, 0)) : fallback;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fputs("usage: vmctl plug|unplug|event T V|press N|release N|click N|dump FILE|quit|"
               "wait-idle [MS [TIMEOUT]]|wait-window [TIMEOUT]\n",
               stderr);
    return 1;
  }
  const std::string verb = argv[1];
  if (verb == "wait-idle") return WaitIdle(Arg(argc, argv, 2, 500), Arg(argc, argv, 3, 60000));
  if (verb == "wait-window") return WaitWindow(Arg(argc, argv, 2, 10000));

  std::string text = verb;
  if (verb == "dump" && argc == 3) {
    // The virtual mouse runs in its own folder: hand it a full path.
    char full[MAX_PATH];
    const DWORD n = GetFullPathNameA(argv[2], MAX_PATH, full, nullptr);
    if (n == 0 || n >= MAX_PATH) return 1;
    text += std::string(" ") + full;
  } else {
    for (int i = 2; i < argc; ++i) text += std::string(" ") + argv[i];
  }
  const long long answer = Send(text);
  if (answer < 0) return 2;
  return answer == 1 ? 0 : 1;
}
