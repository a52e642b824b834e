// The window the skinned controls of a test file live on.
#pragma once

#include <windows.h>

namespace {

// One visible host for every test of the file (each file its own, where it
// asks for it): under Wine without a window manager, hiding or destroying a
// top-level window waits two seconds.
HWND SharedHost(int x, int y) {
  static HWND host = CreateWindowExA(0, "STATIC", "host", WS_POPUP | WS_VISIBLE, x, y, 300, 200,
                                     nullptr, nullptr, nullptr, nullptr);
  return host;
}

}  // namespace
