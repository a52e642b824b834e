// Option's start-up time: from CreateProcess of Option.exe until its main
// window shows its final picture, against the smallest Win32 window program
// started the same way. Both run in turn several times in one run; prints
// both medians and their ratio (the aim: Option under twice the yardstick).
//
// The final picture: the window's controls get some of their pictures after
// the window is first painted (a held-down button shows its normal picture
// until then), so the clock stops only when the window on the screen equals
// the picture it settles to. That picture is taken in a first start, not
// counted, once the window has been painted and unchanged for a while; each
// counted start then grabs the window from the screen until it matches; the
// clock stops once a matching grab is taken, so both programs, timed the same
// way, include the time of one grab. Option runs from the build's installation
// folder without Monitor, so it reads the settings files there; the skins
// folder must be beside it. A start that fails says why.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "settings/system_names.h"
#include "settings/system_path_win32.h"
#include "wingui/gdi_win32.h"
#include "wingui/process_win32.h"

namespace {

constexpr int kRuns = 15;
constexpr DWORD kTimeoutMs = 30000;
constexpr DWORD kSettledMs = 1000;  // unchanged this long: the final picture
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

// What the screen shows where a window is.
struct Picture {
  RECT where{};
  std::vector<uint32_t> pixels;
  bool operator==(const Picture& o) const {
    return EqualRect(&where, &o.where) && pixels == o.pixels;
  }
};

bool Grab(HWND window, Picture& picture) {
  RECT r{};
  if (!GetWindowRect(window, &r) || r.right <= r.left || r.bottom <= r.top) return false;
  const int w = r.right - r.left, h = r.bottom - r.top;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = w;
  info.bmiHeader.biHeight = -h;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  const CWindowDC screen(nullptr);
  const CMemoryDC memory(CreateCompatibleDC(screen.Get()));
  void* bits = nullptr;
  const CBitmap bitmap(CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!memory || !bitmap) return false;
  bool ok;
  {
    const CSelectObject select(memory.Get(), bitmap.Get());
    ok = BitBlt(memory.Get(), 0, 0, w, h, screen.Get(), r.left, r.top, SRCCOPY) != FALSE;
    GdiFlush();
  }
  if (ok) {
    const auto* p = static_cast<const uint32_t*>(bits);
    picture.where = r;
    picture.pixels.assign(p, p + static_cast<size_t>(w) * h);
  }
  return ok;
}

// Visible, its thread waiting for input with nothing queued (so the paint
// that showing it caused is done), and nothing left to paint. Otherwise why.
const char* NotPainted(HANDLE process, HWND window) {
  if (!window) return "no window of its title";
  if (!IsWindowVisible(window)) return "its window never became visible";
  if (WaitForInputIdle(process, 0) != 0) return "it never became idle for input";
  if (GetUpdateRect(window, nullptr, FALSE)) return "its window kept a region to paint";
  return nullptr;
}

struct Start {
  double ms = -1;       // to the final picture
  std::string failure;  // why there is no figure
};

// One start. Without a reference picture, waits for the picture to settle
// and returns it there. The program is closed and waited for, so the next
// start finds no instance.
Start TimeOneStart(const std::filesystem::path& program, const char* title, Picture& reference) {
  Start result;
  const bool settle = reference.pixels.empty();
  const std::wstring commandLine = L"\"" + program.native() + L"\"";
  const double start = NowMs();
  const CHandle process = StartProcess(commandLine, BinFolder());
  if (!process) {
    result.failure = "CreateProcess failed, error " + std::to_string(GetLastError());
    return result;
  }
  const char* waiting = "no window of its title";
  Picture now, last;
  double unchangedSince = 0;
  while (NowMs() - start < kTimeoutMs) {
    DWORD exitCode = 0;
    if (WaitForSingleObject(process.Get(), 0) == WAIT_OBJECT_0 && GetExitCodeProcess(process.Get(), &exitCode)) {
      char text[96];
      std::snprintf(text, sizeof text, "it ended by itself with exit code 0x%lX while %s", exitCode,
                    waiting);
      result.failure = text;
      break;
    }
    HWND window = FindWindowA(nullptr, title);
    if ((waiting = NotPainted(process.Get(), window)) != nullptr) {
      Sleep(1);
      continue;
    }
    if (!Grab(window, now)) {
      waiting = "its window could not be grabbed from the screen";
      Sleep(1);
      continue;
    }
    if (!settle) {
      waiting = "its window never showed the picture of the first start";
      if (now == reference) {
        result.ms = NowMs() - start;
        break;
      }
      Sleep(1);
      continue;
    }
    waiting = "its picture never settled";
    if (!(now == last)) {
      last = now;
      unchangedSince = NowMs();
    } else if (NowMs() - unchangedSince >= kSettledMs) {
      reference = last;
      result.ms = 0;
      break;
    }
    Sleep(20);
  }
  if (result.ms < 0 && result.failure.empty())
    result.failure = std::string("after ") + std::to_string(kTimeoutMs / 1000) + " s " + waiting;
  if (HWND window = FindWindowA(nullptr, title)) PostMessageA(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.Get(), kTimeoutMs) != WAIT_OBJECT_0) {
    TerminateProcess(process.Get(), 1);
    WaitForSingleObject(process.Get(), kTimeoutMs);
    if (result.failure.empty()) result.failure = "it did not end when closed";
    result.ms = -1;
  }
  return result;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t n = values.size();
  return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void Report(const char* what, const std::vector<double>& times) {
  std::printf("%s: median %.1f ms (%d runs, %.1f to %.1f)\n", what, Median(times), kRuns,
              *std::min_element(times.begin(), times.end()),
              *std::max_element(times.begin(), times.end()));
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
  // The pointer out of both windows' way: a hovered control changes its picture.
  SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);
  // One start of each first, not counted: the files come into the cache and
  // the final pictures are taken.
  Picture optionPicture, baselinePicture;
  for (auto [program, title, picture] : {std::make_tuple(&option, names::kOptionTitle, &optionPicture),
                                         std::make_tuple(&baseline, kBaselineTitle, &baselinePicture)}) {
    const Start first = TimeOneStart(*program, title, *picture);
    if (!first.failure.empty()) {
      std::fprintf(stderr, "first start of %s failed: %s\n", program->filename().string().c_str(),
                   first.failure.c_str());
      return 1;
    }
  }
  std::vector<double> optionTimes, baselineTimes;
  for (int run = 1; run <= kRuns; ++run) {
    for (auto [program, title, picture, times] :
         {std::make_tuple(&option, names::kOptionTitle, &optionPicture, &optionTimes),
          std::make_tuple(&baseline, kBaselineTitle, &baselinePicture, &baselineTimes)}) {
      const Start s = TimeOneStart(*program, title, *picture);
      if (!s.failure.empty()) {
        std::fprintf(stderr, "run %d of %s failed: %s\n", run, program->filename().string().c_str(),
                     s.failure.c_str());
        return 1;
      }
      times->push_back(s.ms);
    }
  }
  Report("Option.exe start to main window showing its final picture", optionTimes);
  Report("minimal Win32 window program, same way", baselineTimes);
  std::printf("ratio: %.2f (aim: under 2)\n", Median(optionTimes) / Median(baselineTimes));
  return 0;
}
