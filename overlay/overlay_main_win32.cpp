// Overlay.exe: the notice window Monitor starts beside itself.
#include <windows.h>

#include "overlay/overlay_window_win32.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  COverlayWnd window;
  if (!window.Create()) return 1;
  RunMessageLoop();
  return 0;
}
