// Overlay.exe: the notice window Monitor starts beside itself.
#include <windows.h>

#include "overlay/overlay_window_win32.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  COverlayWnd window;
  if (!window.Create(instance)) return 1;
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
