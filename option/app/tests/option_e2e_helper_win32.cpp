// The Win32 side of Option's end-to-end test (option_end_to_end.sh), which
// clicks and types with real X events. One command per run:
//   keywatch OUT             a keyboard hook installed before Option's own; OUT
//                            holds the number of key presses it has seen
//   applywatch BIN LOG OUT   OK and Apply of the main dialog: wait until both
//                            are disabled, then enabled again; the size of
//                            the mouse's report log LOG at both moments
//   monitor OUT              a stand-in for Monitor's window: records each
//                            apply request's wParam and answers it at once
//   foreground TITLE         a window that takes the foreground
//   close TITLE              closes the window of that title
//   monitor-exit             ends Monitor through its tray command
//   profile GMP OUT          the fields of a profile file the test checks
//   macros DAT OUT           the macros of a store file: "name repeat count:
//                            +cc/ms -cc/ms ..." (press, release, pause after)
//   inputlog OUT             every key and mouse button that reaches the
//                            desktop (swallowed), one "down 41 <ms>" line
//                            each, rewritten into OUT as they come
// The long-running commands write OUT.ready once they are in place and end on
// WM_CLOSE or after four minutes, so a failed test leaves nothing behind.
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "monitor/service/tests/input_hook_recorder_win32.h"
#include "option/skin/placement.h"
#include "settings/macro_store.h"
#include "settings/ini_file.h"
#include "settings/profile_files.h"
#include "settings/profile_record.h"
#include "settings/system_names.h"

namespace {

constexpr UINT kLifetimeMs = 240000;
constexpr UINT_PTR kLifetimeTimer = 1;

std::string g_out;
long g_keyPresses = 0;

void WriteText(const std::string& path, const std::string& text) {
  const std::string temp = path + ".tmp";
  { std::ofstream(temp, std::ios::binary) << text; }
  MoveFileExA(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
}

void AppendText(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary | std::ios::app) << text;
}

void SignalReady() { WriteText(g_out + ".ready", "ready\n"); }

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case MSG_APPLY:
      // The stand-in Monitor: what it was asked, then "done" at once.
      AppendText(g_out, "apply " + std::to_string(wp) + "\n");
      if (HWND option = FindWindowA(nullptr, names::kOptionTitle)) PostMessageA(option, MSG_APPLY_DONE, 0, 0);
      return 0;
    case WM_TIMER:
      if (wp == kLifetimeTimer) DestroyWindow(hwnd);
      return 0;
    case WM_CLOSE: DestroyWindow(hwnd); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

HWND MakeWindow(const char* title, bool visible) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "OptionEndToEndHelper";
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  RegisterClassA(&wc);
  HWND hwnd = CreateWindowExA(0, wc.lpszClassName, title, visible ? WS_OVERLAPPEDWINDOW : WS_POPUP,
                              600, 700, 300, 200, nullptr, nullptr, wc.hInstance, nullptr);
  SetTimer(hwnd, kLifetimeTimer, kLifetimeMs, nullptr);
  return hwnd;
}

int Pump() {
  MSG m;
  while (GetMessageA(&m, nullptr, 0, 0) > 0) {
    TranslateMessage(&m);
    DispatchMessageA(&m);
  }
  return 0;
}

LRESULT CALLBACK KeyHook(int code, WPARAM wp, LPARAM lp) {
  if (code == HC_ACTION && (wp == WM_KEYDOWN || wp == WM_SYSKEYDOWN)) {
    ++g_keyPresses;
    WriteText(g_out, std::to_string(g_keyPresses) + "\n");
  }
  return CallNextHookEx(nullptr, code, wp, lp);
}

int KeyWatch() {
  WriteText(g_out, "0\n");
  MakeWindow("Option e2e key watch", false);
  HHOOK hook = SetWindowsHookExA(WH_KEYBOARD_LL, KeyHook, GetModuleHandleA(nullptr), 0);
  if (!hook) return 1;
  SignalReady();
  Pump();
  UnhookWindowsHookEx(hook);
  return 0;
}

long long FileSize(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
  return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

HWND ControlAtKey(HWND dialog, const std::string& bin, int key) {
  const Placement p = ParsePlacement(
      CIniFile::Load(bin + "skins\\skin_main.ini").GetString("BUTTONPOS", std::to_string(key)));
  HWND control = ChildWindowFromPoint(dialog, POINT{(p.left + p.right) / 2, (p.top + p.bottom) / 2});
  return control == dialog ? nullptr : control;
}

// Polls every few milliseconds: the disabled stretch of one apply and the
// reports the mouse had received at its start and at its end.
int ApplyWatch(const std::string& bin, const std::string& reportLog) {
  HWND dialog = FindWindowA(nullptr, names::kOptionTitle);
  HWND ok = dialog ? ControlAtKey(dialog, bin, 12) : nullptr;
  HWND apply = dialog ? ControlAtKey(dialog, bin, 14) : nullptr;
  if (!ok || !apply) return WriteText(g_out, "no-controls\n"), 1;
  SignalReady();
  auto disabled = [&] { return !IsWindowEnabled(ok) && !IsWindowEnabled(apply); };
  auto enabled = [&] { return IsWindowEnabled(ok) && IsWindowEnabled(apply); };
  const ULONGLONG start = GetTickCount64();
  while (!disabled()) {
    if (GetTickCount64() - start > 30000) return WriteText(g_out, "never-disabled\n"), 1;
    Sleep(2);
  }
  const long long atDisable = FileSize(reportLog);
  const ULONGLONG disabledAt = GetTickCount64();
  while (!enabled()) {
    if (GetTickCount64() - disabledAt > 60000) return WriteText(g_out, "never-enabled\n"), 1;
    Sleep(2);
  }
  const long long atEnable = FileSize(reportLog);
  WriteText(g_out, "disabled " + std::to_string(atDisable) + "\nenabled " + std::to_string(atEnable) +
                       "\nms " + std::to_string(GetTickCount64() - disabledAt) + "\n");
  return 0;
}

int Foreground(const char* title) {
  HWND hwnd = MakeWindow(title, true);
  ShowWindow(hwnd, SW_SHOWNORMAL);
  SetForegroundWindow(hwnd);
  SignalReady();
  return Pump();
}

int Close(const char* title) {
  HWND hwnd = FindWindowA(nullptr, title);
  if (!hwnd) return 1;
  PostMessageA(hwnd, WM_CLOSE, 0, 0);
  return 0;
}

int MonitorExit() {
  HWND monitor = FindWindowA(nullptr, names::kMonitorTitle);
  if (!monitor) return 1;
  PostMessageA(monitor, WM_COMMAND, CMD_EXIT_MONITOR, 0);
  return 0;
}

std::string Bounded(const char* text, size_t capacity) {
  size_t n = 0;
  while (n < capacity && text[n]) ++n;
  return std::string(text, n);
}

int DescribeProfile(const char* gmp) {
  Profile p{};
  if (LoadProfile(p, gmp) != 1) return 1;
  std::string text = "name " + Bounded(p.ProFileName, sizeof p.ProFileName) + "\n";
  text += "game " + Bounded(p.GameFile, sizeof p.GameFile) + "\n";
  for (int b = 0; b < kButtonCount; ++b) {
    const MacroKeyInfo& k = p.MacroKeyInfo[b];
    char line[64];
    std::snprintf(line, sizeof line, "button %d function %d key %02x options %02x\n", b + 1, k.function,
                  k.data[0], k.data[1]);
    text += line;
  }
  WriteText(g_out, text);
  return 0;
}

int DescribeMacros(const char* store) {
  CMacroStore macros;
  macros.LoadFrom(CIniFile::Load(store));
  std::string text;
  for (int i = 0; i < macros.Count(); ++i) {
    const MacroRecord& m = *macros.Get(i);
    text += Bounded(m.name, sizeof m.name) + " " + std::to_string(m.repeat) + " " + std::to_string(m.count) + ":";
    for (int e = 0; e < m.count; ++e) {
      char step[32];
      std::snprintf(step, sizeof step, " %c%02x/%u", m.events[e].direction == kEventRelease ? '-' : '+',
                    m.events[e].code, m.events[e].delay);
      text += step;
    }
    text += "\n";
  }
  WriteText(g_out, text);
  return 0;
}

// Rewrites OUT with what the hooks saw, every 100 ms, until closed.
CInputHookRecorder* g_recorder = nullptr;
size_t g_written = 0;

void CALLBACK WriteSeen(HWND, UINT, UINT_PTR, DWORD) {
  const std::vector<SeenKey> seen = g_recorder->Seen();
  if (seen.size() == g_written) return;
  g_written = seen.size();
  std::string text;
  for (const SeenKey& k : seen) text += k.what + " " + std::to_string(static_cast<long long>(k.ms)) + "\n";
  WriteText(g_out, text);
}

int InputLog() {
  CInputHookRecorder recorder;
  if (!recorder.Ready()) return WriteText(g_out, "no-hooks\n"), 1;
  g_recorder = &recorder;
  WriteText(g_out, "");
  MakeWindow("Option e2e input log", false);
  SetTimer(nullptr, 0, 100, WriteSeen);
  SignalReady();
  return Pump();
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "keywatch" && argc == 3) return g_out = argv[2], KeyWatch();
  if (command == "applywatch" && argc == 5) return g_out = argv[4], ApplyWatch(argv[2], argv[3]);
  if (command == "monitor" && argc == 3) {
    g_out = argv[2];
    MakeWindow(names::kMonitorTitle, false);
    SignalReady();
    return Pump();
  }
  if (command == "foreground" && argc == 4) return g_out = argv[3], Foreground(argv[2]);
  if (command == "close" && argc == 3) return Close(argv[2]);
  if (command == "monitor-exit") return MonitorExit();
  if (command == "profile" && argc == 4) return g_out = argv[3], DescribeProfile(argv[2]);
  if (command == "macros" && argc == 4) return g_out = argv[3], DescribeMacros(argv[2]);
  if (command == "inputlog" && argc == 3) return g_out = argv[2], InputLog();
  std::fprintf(stderr, "usage: see the top of option_e2e_helper_win32.cpp\n");
  return 2;
}
