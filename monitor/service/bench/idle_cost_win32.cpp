// Idle cost of Monitor: CPU time over 60 s with the mouse attached and a
// foreground program that no profile names (the automatic switch finds
// nothing to do). Prints the share of one core.
//   bench_idle_cost_win32 [SECONDS]
// Wine reports no CPU time for another process (and rounds its own to 10 ms),
// so under Wine the figure is the scheduler's nanosecond count of every
// thread of the Linux process behind the Monitor.exe started here, read
// through the Z: drive. When that process cannot be found or a thread comes
// or goes meanwhile, the benchmark says so and fails rather than print a
// figure that cannot be trusted.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

#include "monitor/service/tests/monitor_harness_win32.h"

namespace {

bool UnderWine() {
  return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
}

std::string ReadProcFile(const std::string& path) {
  FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return {};
  std::string text;
  char buffer[4096];
  for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;) text.append(buffer, n);
  std::fclose(f);
  return text;
}

// The value of a variable in a NUL-separated environment block.
std::string Variable(const std::string& environment, const std::string& name) {
  const std::string key = name + "=";
  for (size_t at = 0; at < environment.size();) {
    const size_t end = std::min(environment.find('\0', at), environment.size());
    if (environment.compare(at, key.size(), key) == 0)
      return environment.substr(at + key.size(), end - at - key.size());
    at = end + 1;
  }
  return {};
}

std::wstring Wide(const std::string& text, UINT codePage) {
  std::wstring wide(text.size(), L'\0');
  wide.resize(static_cast<size_t>(MultiByteToWideChar(
      codePage, 0, text.c_str(), static_cast<int>(text.size()), wide.data(), static_cast<int>(wide.size()))));
  return wide;
}

// Whether two Linux paths name the same folder (however they are spelt).
// The paths are UTF-8: a prefix may be in a folder with any name.
bool SameFolder(const std::string& a, const std::string& b) {
  auto identity = [](std::string path, BY_HANDLE_FILE_INFORMATION& info) {
    for (char& c : path) if (c == '/') c = '\\';
    HANDLE h = CreateFileW(Wide("Z:" + path, CP_UTF8).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    const bool ok = GetFileInformationByHandle(h, &info) != FALSE;
    CloseHandle(h);
    return ok;
  };
  BY_HANDLE_FILE_INFORMATION x{}, y{};
  return !a.empty() && !b.empty() && identity(a, x) && identity(b, y) &&
         x.dwVolumeSerialNumber == y.dwVolumeSerialNumber && x.nFileIndexHigh == y.nFileIndexHigh &&
         x.nFileIndexLow == y.nFileIndexLow;
}

unsigned long long StartTicks(const std::string& stat) {
  const size_t close = stat.rfind(')');
  unsigned long long start = 0;
  if (close == std::string::npos ||
      std::sscanf(stat.c_str() + close + 2,
                  "%*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %*u %*u %*d %*d %*d %*d %*d %*d %llu",
                  &start) != 1)
    return 0;
  return start;
}

// The Linux process of the program at windowsPath in this Wine prefix (the
// newest, should there be several), or 0. Wine opens files in its server, so
// /proc/self is the server of this prefix.
int LinuxProcessOf(const std::wstring& windowsPath) {
  const std::string prefix = Variable(ReadProcFile("Z:\\proc\\self\\environ"), "WINEPREFIX");
  WIN32_FIND_DATAW found;
  HANDLE find = FindFirstFileW(L"Z:\\proc\\*", &found);
  if (find == INVALID_HANDLE_VALUE) return 0;
  int best = 0;
  unsigned long long bestStart = 0;
  do {
    const int pid = _wtoi(found.cFileName);
    if (pid <= 0) continue;
    const std::string dir = "Z:\\proc\\" + std::to_string(pid) + "\\";
    // The first argument, which Wine gives as the Windows path in UTF-8.
    const std::string commandLine = ReadProcFile(dir + "cmdline");
    if (_wcsicmp(Wide(commandLine.c_str(), CP_UTF8).c_str(), windowsPath.c_str()) != 0) continue;
    if (!SameFolder(Variable(ReadProcFile(dir + "environ"), "WINEPREFIX"), prefix)) continue;
    const unsigned long long start = StartTicks(ReadProcFile(dir + "stat"));
    if (start >= bestStart) {
      bestStart = start;
      best = pid;
    }
  } while (FindNextFileW(find, &found));
  FindClose(find);
  return best;
}

// Nanoseconds on a CPU of each thread of a Linux process.
std::map<int, unsigned long long> ThreadTimes(int pid) {
  std::map<int, unsigned long long> times;
  const std::string tasks = "Z:\\proc\\" + std::to_string(pid) + "\\task\\";
  WIN32_FIND_DATAW found;
  HANDLE find = FindFirstFileW(Wide(tasks + "*", CP_ACP).c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return times;
  do {
    const int tid = _wtoi(found.cFileName);
    unsigned long long ns = 0;
    if (tid > 0 && std::sscanf(ReadProcFile(tasks + std::to_string(tid) + "\\schedstat").c_str(),
                               "%llu", &ns) == 1)
      times[tid] = ns;
  } while (FindNextFileW(find, &found));
  FindClose(find);
  return times;
}

ULONGLONG CpuTime100ns(HANDLE process) {
  FILETIME created, exited, kernel, user;
  if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) return 0;
  auto v = [](FILETIME f) { return (static_cast<ULONGLONG>(f.dwHighDateTime) << 32) | f.dwLowDateTime; };
  return v(kernel) + v(user);
}

int Fail(const char* why) {
  std::printf("idle cost: %s\n", why);
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
  CMonitorHarness h;
  if (!h.Ready() || !h.StartMouse(true) || !h.StartMonitor())
    return Fail("could not start the virtual mouse and Monitor");
  if (!CMonitorHarness::WaitFor([&] { return h.MonitorWindow() != nullptr; }, 20000) ||
      h.Vmctl("wait-idle 700 30000") != 0)
    return Fail("Monitor did not come up");
  h.StartStandIn("unrelated.exe");
  CMonitorHarness::WaitFor([] { return FindWindowA(nullptr, "stand-in unrelated") != nullptr; }, 20000);
  SetForegroundWindow(FindWindowA(nullptr, "stand-in unrelated"));
  Sleep(1000);

  double usedMs = 0;
  const char* source = "GetProcessTimes";
  if (UnderWine()) {
    const int pid = LinuxProcessOf(Wide(h.Folder() + "Monitor.exe", CP_ACP));
    if (!pid) return Fail("the Linux process of the Monitor.exe started here was not found");
    const std::map<int, unsigned long long> before = ThreadTimes(pid);
    Sleep(static_cast<DWORD>(seconds) * 1000);
    const std::map<int, unsigned long long> after = ThreadTimes(pid);
    if (before.empty() || after.size() != before.size())
      return Fail("Monitor's threads changed during the measurement; their time is not all known");
    for (const auto& [tid, ns] : after) {
      const auto then = before.find(tid);
      if (then == before.end()) return Fail("Monitor's threads changed during the measurement");
      usedMs += static_cast<double>(ns - then->second) / 1e6;
    }
    source = "scheduler time of the Linux threads, ns";
  } else {
    const ULONGLONG start = CpuTime100ns(h.MonitorProcess());
    Sleep(static_cast<DWORD>(seconds) * 1000);
    usedMs = static_cast<double>(CpuTime100ns(h.MonitorProcess()) - start) / 1e4;
  }
  const double percent = 100.0 * usedMs / (seconds * 1000.0);
  std::printf("Monitor idle CPU (%s): %.3f ms over %d s = %.4f %% of one core (target < 0.1 %%)\n",
              source, usedMs, seconds, percent);
  return 0;
}
