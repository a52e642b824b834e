// The backend setting: hiddriver.ini beside the DLL,
//   [Backend]
//   Type=virtual
// selects the virtual mouse; no file, or any other Type, the real HID device.
#include <windows.h>

#include <cstring>

#include "hiddriver/device_backend.h"
#include "hiddriver/hid_backend_win32.h"
#include "hiddriver/virtual_backend_win32.h"
#include "settings/system_names.h"

namespace {

// Full path of the setting file in the DLL's own folder.
bool SettingPath(char (&path)[MAX_PATH]) {
  HMODULE self = nullptr;
  if (!GetModuleHandleExA(
          GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
          reinterpret_cast<LPCSTR>(&SettingPath), &self))
    return false;
  const DWORD n = GetModuleFileNameA(self, path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return false;
  char* slash = std::strrchr(path, '\\');
  if (slash == nullptr) return false;
  const std::size_t room = MAX_PATH - (slash + 1 - path);
  if (std::strlen(names::kDeviceLibrarySettings) >= room) return false;
  std::strcpy(slash + 1, names::kDeviceLibrarySettings);
  return true;
}

}  // namespace

std::unique_ptr<CDeviceBackend> CreateDeviceBackend() {
  char path[MAX_PATH];
  char type[32] = "";
  if (SettingPath(path)) GetPrivateProfileStringA("Backend", "Type", "", type, sizeof type, path);
  if (lstrcmpiA(type, "virtual") == 0) return std::make_unique<CVirtualBackend>();
  return std::make_unique<CHidBackend>();
}
