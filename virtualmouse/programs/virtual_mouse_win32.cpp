// VirtualMouse.exe [--unplugged] [--log FILE]
// Plays the mouse for the device library's virtual backend. Starts plugged in
// unless told otherwise; the report log defaults to VirtualMouse.log beside
// the program.
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "virtualmouse/mouse_window_win32.h"

namespace {

std::string DefaultLogPath() {
  char path[MAX_PATH];
  const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, n < MAX_PATH ? n : 0);
  const std::size_t slash = folder.find_last_of('\\');
  folder = slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
  return folder + "VirtualMouse.log";
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  bool plugged = true;
  std::string log = DefaultLogPath();
  for (int i = 1; i < __argc; ++i) {
    if (std::strcmp(__argv[i], "--unplugged") == 0) plugged = false;
    else if (std::strcmp(__argv[i], "--log") == 0 && i + 1 < __argc) log = __argv[++i];
  }
  vmouse::CVirtualMouseWnd mouse(plugged, log);
  if (!mouse.Create(instance)) return 1;
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
