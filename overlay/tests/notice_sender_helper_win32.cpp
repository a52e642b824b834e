// Posts one notice to the notice window, as Monitor does:
//   notice_sender_helper_win32 WPARAM LPARAM
// Exit code 0 posted, 1 no notice window.
#include <windows.h>

#include <cstdlib>

#include "settings/system_names.h"

int main(int argc, char** argv) {
  HWND overlay = FindWindowA(nullptr, names::kOverlayTitle);
  if (!overlay || argc < 3) return 1;
  PostMessageA(overlay, MSG_OVERLAY_SHOW, std::strtoul(argv[1], nullptr, 0),
               std::strtol(argv[2], nullptr, 0));
  return 0;
}
