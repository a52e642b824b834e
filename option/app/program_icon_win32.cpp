#include "option/app/program_icon_win32.h"

#include "option/app/option_resources.h"

namespace {

// Shared icons of the system's own sizes belong to the system: nothing to free.
HICON ProgramIcon(int widthMetric, int heightMetric) {
  return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_OPTION), IMAGE_ICON,
                                       GetSystemMetrics(widthMetric), GetSystemMetrics(heightMetric), LR_SHARED));
}

}  // namespace

void SetProgramIcons(HWND window) {
  if (HICON large = ProgramIcon(SM_CXICON, SM_CYICON))
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(large));
  if (HICON small = ProgramIcon(SM_CXSMICON, SM_CYSMICON))
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
}
