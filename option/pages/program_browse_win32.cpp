#include "option/pages/program_browse_win32.h"

#include <commdlg.h>
#include <shlobj.h>

#include <filesystem>

#include "settings/system_path_win32.h"

std::string BrowseForProgram(HWND owner) {
  wchar_t desktop[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, SHGFP_TYPE_CURRENT, desktop)))
    desktop[0] = L'\0';
  // Room for the longest path the dialog can give back.
  std::wstring file = std::wstring(desktop) + L"\\.exe";
  file.resize(32768, L'\0');
  OPENFILENAMEW ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = L"exe file(*.exe)\0*.EXE\0";
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = static_cast<DWORD>(file.size());
  ofn.lpstrDefExt = L"exe";
  ofn.Flags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY;
  if (!GetOpenFileNameW(&ofn)) return {};
  const std::string chosen = AnsiFromPath(std::filesystem::path(file.c_str()));
  if (chosen.empty()) MessageBeep(MB_ICONWARNING);
  return chosen;
}
