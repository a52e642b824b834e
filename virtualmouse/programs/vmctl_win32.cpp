// vmctl.exe: drives the virtual mouse from scripts and tests.
//   vmctl plug | unplug | event TYPE VALUE | press N | release N | click N
//   vmctl dump FILE            (FILE relative to vmctl's working folder; handed
//                               to the virtual mouse as a full path in UTF-8)
//   vmctl quit
//   vmctl wait-idle [MS [TIMEOUT_MS]]   until no report came for MS (500) ms
//   vmctl wait-window [TIMEOUT_MS]      until the virtual mouse runs
// Exit code 0 done, 1 refused (malformed, unplugged, timeout), 2 no virtual mouse.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

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

DWORD Arg(const std::vector<std::string>& args, size_t i, DWORD fallback) {
  return i < args.size() ? static_cast<DWORD>(std::strtoul(args[i].c_str(), nullptr, 0)) : fallback;
}

std::string Utf8(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace

// Wide arguments: a dump may go to a folder outside the ANSI code page.
int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> args;
  for (int i = 0; i < argc; ++i) args.push_back(Utf8(argv[i]));
  if (argc < 2) {
    std::fputs("usage: vmctl plug|unplug|event T V|press N|release N|click N|dump FILE|quit|"
               "wait-idle [MS [TIMEOUT]]|wait-window [TIMEOUT]\n",
               stderr);
    return 1;
  }
  const std::string verb = args[1];
  if (verb == "wait-idle") return WaitIdle(Arg(args, 2, 500), Arg(args, 3, 60000));
  if (verb == "wait-window") return WaitWindow(Arg(args, 2, 10000));

  std::string text = verb;
  if (verb == "dump" && argc == 3) {
    // The virtual mouse runs in its own folder: hand it a full path.
    std::error_code ec;
    const std::filesystem::path full = std::filesystem::absolute(argv[2], ec);
    if (ec) return 1;
    text += " " + Utf8(full);
  } else {
    for (int i = 2; i < argc; ++i) text += " " + args[i];
  }
  const long long answer = Send(text);
  if (answer < 0) return 2;
  return answer == 1 ? 0 : 1;
}
