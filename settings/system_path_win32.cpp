#include "settings/system_path_win32.h"

#include <vector>

namespace {

// The ANSI form of UTF-16 text; empty when a letter has none.
std::string ToAnsi(const std::wstring& text) {
  if (text.empty()) return {};
  BOOL lossy = FALSE;
  const int n = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(),
                                    static_cast<int>(text.size()), nullptr, 0, nullptr, &lossy);
  if (n <= 0 || lossy) return {};
  std::string ansi(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), static_cast<int>(text.size()),
                      ansi.data(), n, nullptr, nullptr);
  return ansi;
}

}  // namespace

std::filesystem::path ModulePath(HMODULE module) {
  // The buffer grows until the whole path fits: a folder may be far longer
  // than MAX_PATH, and a cut path would name another folder.
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD n = GetModuleFileNameW(module, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) return {};
    if (n < buffer.size()) return std::filesystem::path(std::wstring(buffer.data(), n));
    if (buffer.size() > 32768) return {};  // longer than any path the system allows
    buffer.resize(buffer.size() * 2);
  }
}

std::filesystem::path PathFromAnsi(std::string_view text) {
  if (text.empty()) return {};
  const int n = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  if (n <= 0) return {};
  std::wstring wide(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
  return std::filesystem::path(std::move(wide));
}

std::string AnsiFromPath(const std::filesystem::path& path) {
  std::string ansi = ToAnsi(path.native());
  if (!ansi.empty() || path.empty()) return ansi;
  const DWORD n = GetShortPathNameW(path.c_str(), nullptr, 0);
  if (n == 0) return {};
  std::wstring shortPath(n, L'\0');
  const DWORD got = GetShortPathNameW(path.c_str(), shortPath.data(), n);
  if (got == 0 || got >= n) return {};
  shortPath.resize(got);
  return ToAnsi(shortPath);
}
