#include "settings/registry_win32.h"

#include <windows.h>

#include <string>
#include <vector>

#include "wingui/handles_win32.h"

namespace {

class CRegistryKeyWin32 final : public CRegistryKey {
 public:
  explicit CRegistryKeyWin32(HKEY key) : key_(key) {}

  std::optional<std::string> ReadString(std::string_view name, size_t maxBytes) override {
    if (maxBytes == 0) return std::nullopt;
    std::vector<char> buffer(maxBytes, '\0');
    // One byte stays in reserve: a stored value need not end with a NUL.
    DWORD size = static_cast<DWORD>(maxBytes - 1);
    DWORD type = 0;
    const LONG result = RegQueryValueExA(key_.Get(), std::string(name).c_str(), nullptr, &type,
                                         reinterpret_cast<BYTE*>(buffer.data()), &size);
    if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return std::nullopt;
    return std::string(buffer.data());
  }

  bool WriteString(std::string_view name, std::string_view value) override {
    const std::string text(value);
    return RegSetValueExA(key_.Get(), std::string(name).c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>(text.size() + 1)) == ERROR_SUCCESS;
  }

 private:
  CRegKey key_;
};

}  // namespace

std::unique_ptr<CRegistryKey> CRegistryWin32::OpenOrCreate(std::string_view path) {
  const std::string subKey(path);
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, subKey.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS &&
      RegCreateKeyExA(HKEY_CURRENT_USER, subKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                      KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
    return nullptr;
  return std::make_unique<CRegistryKeyWin32>(key);
}
