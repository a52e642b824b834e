// Macro timing under real conditions: a 40-event macro with pauses of 1 to
// 100 ms is put on a button of Monitor's profile through the shared block, the
// virtual mouse reports the button, Monitor plays the macro, and a low-level
// keyboard hook here timestamps every key. Prints the error of each pause
// against the recorded one.
//   bench_macro_timing_win32 [runs]          through Monitor and vmctl.exe
//                                            (started here when not running)
//   bench_macro_timing_win32 [runs] direct   the desktop actions in-process
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "monitor/service/desktop_actions_win32.h"
#include "monitor/service/macro_waiter_win32.h"
#include "monitor/service/tests/monitor_harness_win32.h"
#include "settings/system_names.h"
#include "wingui/process_win32.h"
#include "wingui/window_win32.h"

namespace {
constexpr int kButton = 3;
constexpr int kEvents = kMacroEventCount;

LARGE_INTEGER g_frequency;
std::vector<double> g_times;

double NowMs() {
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return 1000.0 * t.QuadPart / g_frequency.QuadPart;
}

LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION) {
    g_times.push_back(NowMs());
    return 1;  // the keys are for the measurement only
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Twenty keys pressed and released, with pauses spread over 1..100 ms.
MacroKeyInfo Macro() {
  MacroKeyInfo k{};
  k.function = kFunctionMacro;
  k.repeat = 1;
  k.count = kEvents;
  std::strcpy(k.macroName, "timing");
  for (int i = 0; i < kEvents; ++i) {
    const auto delay = static_cast<uint16_t>((i * 37 + 11) % 100 + 1);
    SetMacroEvent(k, i, {static_cast<uint8_t>(0x04 + i / 2),
                         static_cast<uint8_t>(i % 2 ? kEventRelease : kEventPress), delay});
  }
  return k;
}

void Pump(double untilMs, size_t events) {
  while (NowMs() < untilMs && g_times.size() < events) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  }
}

bool PutMacroIntoMonitor(const MacroKeyInfo& macro) {
  HWND monitor = FindWindowA(nullptr, names::kMonitorTitle);
  HANDLE mapping = OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, names::kSharedBlockName);
  HANDLE mutex = OpenMutexA(SYNCHRONIZE | MUTEX_MODIFY_STATE, FALSE, names::kSharedBlockMutex);
  bool done = false;
  if (monitor && mapping && mutex) {
    if (void* view = MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(ProfileSet))) {
      auto set = std::make_unique<ProfileSet>();
      WaitForSingleObject(mutex, INFINITE);
      std::memcpy(set.get(), view, sizeof *set);
      const int profile = std::clamp(set->CurrentProfile, 0, kProfileCount - 1);
      set->Profiles[profile].MacroKeyInfo[kButton - 1] = macro;
      set->Profiles[profile].MacroKeyInfo[kButton - 1].button = kButton - 1;
      std::memcpy(view, set.get(), sizeof *set);
      ReleaseMutex(mutex);
      UnmapViewOfFile(view);
      SendMessageA(monitor, MSG_COPY_BLOCK, 0, 0);
      done = true;
    }
  }
  if (mapping) CloseHandle(mapping);
  if (mutex) CloseHandle(mutex);
  return done;
}

bool Vmctl(const std::string& args) {
  const CHandle process = StartProcess("vmctl.exe " + args);
  // Keep the hook served while vmctl runs.
  return process && WaitDispatching(process.Get()) && ExitCodeWithin(process.Get(), 0) == 0;
}

// The waiter on its own: how far each pause of 1..100 ms ends from its due time.
void MeasureWaiter() {
  CMacroWaiterWin32 waiter;
  std::vector<double> errors;
  waiter.BeginPlayback();
  double due = NowMs();
  for (int i = 0; i < 200; ++i) {
    const int ms = (i * 37 + 11) % 100 + 1;
    due += ms;
    waiter.Wait(ms);
    errors.push_back(std::fabs(NowMs() - due));
    due = NowMs();
  }
  waiter.EndPlayback();
  std::sort(errors.begin(), errors.end());
  std::printf("waiter alone (%s timer, 200 pauses): error median %.3f ms, 99th percentile %.3f ms\n",
              waiter.HighResolution() ? "high-resolution" : "raised-resolution", errors[100],
              errors[198]);
}

double Percentile(std::vector<double> v, double p) {
  std::sort(v.begin(), v.end());
  const size_t i = std::min(v.size() - 1, static_cast<size_t>(std::ceil(p * v.size())) - 1);
  return v[i];
}
}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  const bool direct = argc > 2 && std::strcmp(argv[2], "direct") == 0;
  QueryPerformanceFrequency(&g_frequency);
  MeasureWaiter();
  SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_TIME_CRITICAL);
  HHOOK hook = SetWindowsHookExA(WH_KEYBOARD_LL, Hook, GetModuleHandleA(nullptr), 0);
  const MacroKeyInfo macro = Macro();

  auto set = std::make_unique<ProfileSet>();
  std::unique_ptr<CHostActions> actions;
  HWND window = nullptr;
  if (direct) {
    window = CreateWindowExA(0, "STATIC", "timing", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr,
                             nullptr);
    set->Profiles[0].MacroKeyInfo[kButton - 1] = macro;
    actions = CreateDesktopActions(*set, window);
  }
  // Without a running Monitor, one of our own plays the macro, with a virtual mouse.
  std::unique_ptr<CMonitorHarness> system;
  if (!direct && !FindWindowA(nullptr, names::kMonitorTitle)) {
    system = std::make_unique<CMonitorHarness>();
    if (!system->Ready() || !system->StartMouse(true) || !system->StartMonitor() ||
        !CMonitorHarness::WaitFor([] { return FindWindowA(nullptr, names::kMonitorTitle); }, 20000) ||
        system->Vmctl("wait-idle 700 30000") != 0) {
      std::printf("could not start the virtual mouse and Monitor\n");
      return 2;
    }
  }
  if (!direct && !PutMacroIntoMonitor(macro)) {
    std::printf("Monitor or its shared block is not there\n");
    return 2;
  }

  std::vector<double> errors;
  for (int run = 0; run < runs; ++run) {
    g_times.clear();
    if (direct) {
      actions->OnButton(kButton, true);
      actions->OnButton(kButton, false);
    } else if (!Vmctl("event 0x4000 " + std::to_string(kButton))) {
      std::printf("vmctl could not report the button\n");
      return 2;
    }
    Pump(NowMs() + 10000, kEvents);
    // The release is reported once the macro has played: starting another
    // vmctl meanwhile would keep this thread from serving the hook.
    if (!direct && !Vmctl("event 0x5000 " + std::to_string(0x100 + kButton))) {
      std::printf("vmctl could not report the release\n");
      return 2;
    }
    if (g_times.size() != static_cast<size_t>(kEvents)) {
      std::printf("run %d: saw %zu of %d events\n", run + 1, g_times.size(), kEvents);
      return 1;
    }
    for (int i = 1; i < kEvents; ++i) {
      const double recorded = GetMacroEvent(macro, i - 1).delay;
      const double observed = g_times[i] - g_times[i - 1];
      errors.push_back(std::fabs(observed - recorded));
      if (errors.back() > 10) {
        std::printf("run %d, pause %d: recorded %.0f ms, observed %.3f ms\n", run + 1, i, recorded,
                    observed);
      }
    }
    Pump(NowMs() + 200, kEvents + 1);
  }
  UnhookWindowsHookEx(hook);
  actions.reset();
  if (window) DestroyWindow(window);

  std::printf("macro timing (%s, %d runs, %zu pauses of 1..100 ms): error median %.3f ms, "
              "99th percentile %.3f ms, max %.3f ms\n",
              direct ? "in-process" : "through Monitor", runs, errors.size(),
              Percentile(errors, 0.5), Percentile(errors, 0.99),
              *std::max_element(errors.begin(), errors.end()));
  return 0;
}
