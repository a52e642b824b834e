// VirtualMouse.exe [--unplugged] [--log FILE]
// Plays the mouse for the device library's virtual backend. Starts plugged in
// unless told otherwise; the report log defaults to VirtualMouse.log beside
// the program.
#include <windows.h>

#include <cwchar>
#include <filesystem>

#include "settings/profile_files.h"
#include "virtualmouse/mouse_window_win32.h"
#include "wingui/window_win32.h"

// Wide arguments: the log may be in a folder outside the ANSI code page.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
  bool plugged = true;
  std::filesystem::path log = InstallFolder() / "VirtualMouse.log";
  for (int i = 1; i < __argc; ++i) {
    if (std::wcscmp(__wargv[i], L"--unplugged") == 0) plugged = false;
    else if (std::wcscmp(__wargv[i], L"--log") == 0 && i + 1 < __argc) log = __wargv[++i];
  }
  vmouse::CVirtualMouseWnd mouse(plugged, log);
  if (!mouse.Create()) return 1;
  RunMessageLoop();
  return 0;
}
