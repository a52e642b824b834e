#include "monitor/service/tray_icon_win32.h"

#include <shellapi.h>

#include <cstring>

#include "monitor/service/monitor_resources.h"
#include "settings/system_names.h"
#include "settings/system_path_win32.h"

namespace {

// The program file's icon at the tray's size: its own icon resource, or
// what the shell makes of the file when there is none. (The shell's answer
// alone was a blank page under Wine, whose fresh prefixes know no icon of
// program files.)
HICON ProgramIcon() {
  if (HANDLE own = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_MONITOR), IMAGE_ICON,
                              GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0))
    return static_cast<HICON>(own);
  SHFILEINFOW info{};
  SHGetFileInfoW(ModulePath(nullptr).c_str(), 0, &info, sizeof info, SHGFI_ICON | SHGFI_SMALLICON);
  return info.hIcon;
}

}  // namespace

CTrayIcon::~CTrayIcon() { Remove(); }

void CTrayIcon::Add(HWND window, const std::string& tip) {
  if (shown_) return;
  if (!icon_) icon_.Reset(ProgramIcon());
  window_ = window;
  NOTIFYICONDATAA data{};
  data.cbSize = sizeof data;
  data.hWnd = window;
  data.uID = kTrayIconId;
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = MSG_TRAY_NOTIFY;
  data.hIcon = icon_ ? icon_.Get() : LoadIcon(nullptr, IDI_APPLICATION);
  std::strncpy(data.szTip, tip.c_str(), sizeof data.szTip - 1);
  shown_ = Shell_NotifyIconA(NIM_ADD, &data) != FALSE;
}

void CTrayIcon::Remove() {
  if (!shown_) return;
  NOTIFYICONDATAA data{};
  data.cbSize = sizeof data;
  data.hWnd = window_;
  data.uID = kTrayIconId;
  Shell_NotifyIconA(NIM_DELETE, &data);
  shown_ = false;
}

void CTrayIcon::ShowMenu(HWND window, const std::string& openText, const std::string& exitText) {
  SetForegroundWindow(window);
  const CMenu menu(CreatePopupMenu());
  if (!menu) return;
  AppendMenuA(menu.Get(), MF_STRING, CMD_OPEN_OPTION, openText.c_str());
  SetMenuDefaultItem(menu.Get(), CMD_OPEN_OPTION, FALSE);
  AppendMenuA(menu.Get(), MF_SEPARATOR, 0, nullptr);
  AppendMenuA(menu.Get(), MF_STRING, CMD_EXIT_MONITOR, exitText.c_str());
  POINT at{};
  GetCursorPos(&at);
  TrackPopupMenu(menu.Get(), TPM_LEFTBUTTON, at.x, at.y, 0, window, nullptr);
  // Lets the menu close when the user clicks elsewhere.
  PostMessageA(window, WM_NULL, 0, 0);
}
