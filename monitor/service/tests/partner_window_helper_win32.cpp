// A stand-in partner window for Monitor's end-to-end tests: a visible window
// that appends every private message and WM_CLOSE it gets to a log file
// ("message wParam lParam" per line) and ends on WM_CLOSE.
//   <copy>.exe [--title TITLE] [--log FILE]
// The copy's file name picks the part it plays: Option.exe, Overlay.exe,
// SysGauge.exe and MailWatch.EXE take the titles of Option, the notice
// window and the two applets; any other name, "stand-in <name>". The log is
// "<name>.log" beside the program.
#include <windows.h>

#include <cctype>
#include <cstdio>
#include <string>

#include "settings/system_names.h"

namespace {

std::string g_log;

void Append(UINT message, WPARAM wParam, LPARAM lParam) {
  if (FILE* f = std::fopen(g_log.c_str(), "ab")) {
    std::fprintf(f, "%u %llu %lld\n", message, static_cast<unsigned long long>(wParam),
                 static_cast<long long>(lParam));
    std::fclose(f);
  }
}

LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message >= WM_USER && message < 0x8000) {
    Append(message, wParam, lParam);
    return 0;
  }
  if (message == WM_CLOSE) {
    Append(message, wParam, lParam);
    DestroyWindow(window);
    return 0;
  }
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

std::string ProgramPath() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return path;
}

std::string TitleFor(const std::string& stem) {
  if (stem == "option") return names::kOptionTitle;
  if (stem == "overlay") return names::kOverlayTitle;
  if (stem == "sysgauge") return names::kAppletGaugeTitle;
  if (stem == "mailwatch") return names::kAppletPop3Title;
  return "stand-in " + stem;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string path = ProgramPath();
  const size_t slash = path.find_last_of('\\') + 1;
  std::string stem = path.substr(slash, path.find_last_of('.') - slash);
  for (char& c : stem) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  std::string title = TitleFor(stem);
  g_log = path.substr(0, slash) + stem + ".log";
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string key = argv[i];
    if (key == "--title") title = argv[i + 1];
    else if (key == "--log") g_log = argv[i + 1];
  }
  WNDCLASSA wc{};
  wc.lpfnWndProc = Proc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "OspreyPartnerStandIn";
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  RegisterClassA(&wc);
  HWND window = CreateWindowExA(0, wc.lpszClassName, title.c_str(), WS_OVERLAPPEDWINDOW, 50, 50,
                                300, 200, nullptr, nullptr, wc.hInstance, nullptr);
  if (!window) return 1;
  ShowWindow(window, SW_SHOWNORMAL);
  SetForegroundWindow(window);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
  return 0;
}
