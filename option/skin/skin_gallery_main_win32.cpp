// Opens every skinned dialog of the toolkit in turn, for a look or a
// screenshot: the five confirmation dialogs, from the skins folder beside
// the program. Each closes on its own buttons; with a number of
// milliseconds on the command line, each also closes after that time.

#include <cstdlib>
#include <string>

#include "option/skin/confirm_dialogs_win32.h"
#include "option/skin/menu_painter_win32.h"
#include "option/skin/skin_state.h"
#include "settings/system_path_win32.h"

namespace {

UINT g_autoCloseMs = 0;

void CALLBACK CloseOpenDialog(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  if (HWND dialog = FindWindowA("OspreySkinDialog", nullptr)) PostMessageA(dialog, WM_CLOSE, 0, 0);
}

void Open(CSkinDialog& dialog, const char* title) {
  if (g_autoCloseMs) SetTimer(nullptr, 0, g_autoCloseMs, CloseOpenDialog);
  dialog.DoModal(nullptr, title);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  g_autoCloseMs = static_cast<UINT>(std::strtoul(commandLine, nullptr, 10));
  SetSkinsFolder(ModulePath(nullptr).parent_path() / "skins");
  InstallMenuPainter();
  {
    CClickWarnDialog d;
    Open(d, "Click warning");
  }
  {
    CResetCurrentWarnDialog d;
    Open(d, "Reset current profile");
  }
  {
    CResetAllWarnDialog d;
    Open(d, "Reset all profiles");
  }
  {
    CMacroSetWarnDialog d;
    Open(d, "Macro setting warning");
  }
  {
    CDeleteMacroWarnDialog d;
    Open(d, "Delete macro");
  }
  RemoveMenuPainter();
  return 0;
}
