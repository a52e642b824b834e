// Option's start-up time: from CreateProcess of Option.exe to its main window
// painted, against the smallest Win32 window program started the same way.
// Both run in turn several times in one run; prints both medians and their
// ratio (the aim: Option under twice the yardstick).
//
// "Painted" is when all three hold: the window of the program's title is
// visible, WaitForInputIdle has returned (the program's thread waits for
// input with nothing left in its queue, so the WM_PAINT that showing the
// window caused has been handled), and the window has no update region left.
// Option runs from the build's installation folder without Monitor, so it
// reads the settings files there; the skins folder must be beside it.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "settings/system_names.h"
#include "settings/system_path_win32.h"
#include "wingui/process_win32.h"

namespace {

constexpr int kRuns = 15;
constexpr DWORD kTimeoutMs = 30000;
constexpr char kBaselineTitle[] = "Osprey startup baseline";

std::filesystem::path BinFolder() { return ModulePath(nullptr).parent_path(); }

double NowMs() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

bool Painted(HANDLE process, const char* title) {
  HWND window = FindWindowA(nullptr, title);
  if (!window || !IsWindowVisible(window)) return false;
  if (WaitForInputIdle(process, 0) != 0) return false;
  return !GetUpdateRect(window, nullptr, FALSE);
}

// One start: milliseconds to painted, or a negative number on failure. The
// program is closed and waited for, so the next start finds no instance.
double TimeOneStart(const std::filesystem::path& program, const char* title) {
  const std::wstring commandLine = L"\"" + program.native() + L"\"";
  const double start = NowMs();
  const CHandle process = StartProcess(commandLine, BinFolder());
  if (!process) return -1;
  double elapsed = -1;
  while (NowMs() - start < kTimeoutMs) {
    if (Painted(process.Get(), title)) {
      elapsed = NowMs() - start;
      break;
    }
    if (WaitForSingleObject(process.Get(), 0) == WAIT_OBJECT_0) break;  // ended early
    Sleep(1);
  }
  if (HWND window = FindWindowA(nullptr, title)) PostMessageA(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.Get(), kTimeoutMs) != WAIT_OBJECT_0)
    TerminateProcess(process.Get(), 1);
  return elapsed;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main() {
  const std::filesystem::path option = BinFolder() / names::kOptionProgram;
  const std::filesystem::path baseline = BinFolder() / "startup_baseline_helper_win32.exe";
  if (GetFileAttributesW((BinFolder() / "skins" / "skin_main.ini").c_str()) == INVALID_FILE_ATTRIBUTES) {
    std::fprintf(stderr, "the skins folder is missing beside Option.exe\n");
    return 1;
  }
  if (FindWindowA(nullptr, names::kOptionTitle)) {
    std::fprintf(stderr, "Option is already running\n");
    return 1;
  }
  // One start of each first, not counted: the files come into the cache.
  if (TimeOneStart(option, names::kOptionTitle) < 0 || TimeOneStart(baseline, kBaselineTitle) < 0) {
    std::fprintf(stderr, "a program did not come up\n");
    return 1;
  }
  std::vector<double> optionTimes, baselineTimes;
  for (int run = 0; run < kRuns; ++run) {
    const double o = TimeOneStart(option, names::kOptionTitle);
    const double b = TimeOneStart(baseline, kBaselineTitle);
    if (o < 0 || b < 0) {
      std::fprintf(stderr, "run %d failed\n", run + 1);
      return 1;
    }
    optionTimes.push_back(o);
    baselineTimes.push_back(b);
  }
  const double optionMedian = Median(optionTimes);
  const double baselineMedian = Median(baselineTimes);
  std::printf("Option.exe start to main window painted: median %.1f ms (%d runs, %.1f to %.1f)\n", optionMedian,
              kRuns, *std::min_element(optionTimes.begin(), optionTimes.end()),
              *std::max_element(optionTimes.begin(), optionTimes.end()));
  std::printf("minimal Win32 window program, same way: median %.1f ms (%d runs, %.1f to %.1f)\n", baselineMedian,
              kRuns, *std::min_element(baselineTimes.begin(), baselineTimes.end()),
              *std::max_element(baselineTimes.begin(), baselineTimes.end()));
  std::printf("ratio: %.2f (aim: under 2)\n", optionMedian / baselineMedian);
  return 0;
}
