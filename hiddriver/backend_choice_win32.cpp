// The backend setting: hiddriver.ini beside the DLL,
//   [Backend]
//   Type=virtual
// selects the virtual mouse; no file, or any other Type, the real HID device.
#include <windows.h>

#include <filesystem>

#include "hiddriver/device_backend.h"
#include "hiddriver/hid_backend_win32.h"
#include "hiddriver/virtual_backend_win32.h"
#include "settings/system_names.h"
#include "settings/system_path_win32.h"

namespace {

// Full path of the setting file in the DLL's own folder; empty if unknown.
std::filesystem::path SettingPath() {
  HMODULE self = nullptr;
  if (!GetModuleHandleExW(
          GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
          reinterpret_cast<LPCWSTR>(&SettingPath), &self))
    return {};
  const std::filesystem::path library = ModulePath(self);
  return library.empty() ? library : library.parent_path() / names::kDeviceLibrarySettings;
}

}  // namespace

std::unique_ptr<CDeviceBackend> CreateDeviceBackend() {
  const std::filesystem::path path = SettingPath();
  wchar_t type[32] = L"";
  if (!path.empty())
    GetPrivateProfileStringW(L"Backend", L"Type", L"", type, ARRAYSIZE(type), path.c_str());
  if (lstrcmpiW(type, L"virtual") == 0) return std::make_unique<CVirtualBackend>();
  return std::make_unique<CHidBackend>();
}
