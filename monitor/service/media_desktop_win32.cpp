#include "monitor/service/media_desktop_win32.h"

#include <cstring>

#include "wingui/handles_win32.h"

namespace {
constexpr DWORD kValueBuffer = 260;

struct Root {
  const char* name;
  HKEY key;
};
const Root kRoots[] = {{"HKEY_LOCAL_MACHINE\\", HKEY_LOCAL_MACHINE},
                           {"HKEY_CURRENT_USER\\", HKEY_CURRENT_USER},
                           {"HKEY_CLASSES_ROOT\\", HKEY_CLASSES_ROOT},
                           {"HKEY_USERS\\", HKEY_USERS}};

HWND AsWindow(CMediaDesktop::Window w) { return reinterpret_cast<HWND>(w); }

std::optional<std::string> ReadValue(HKEY root, const char* key, const char* value, REGSAM view) {
  CRegKey opened;
  if (RegOpenKeyExA(root, key, 0, KEY_READ | view, opened.Receive()) != ERROR_SUCCESS)
    return std::nullopt;
  char buffer[kValueBuffer + 1] = {};
  DWORD type = 0, size = kValueBuffer;
  const LONG result =
      RegQueryValueExA(opened.Get(), value, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
  if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return std::nullopt;
  return std::string(buffer, strnlen(buffer, size));
}
}  // namespace

std::optional<std::string> CMediaDesktopWin32::ReadRegistry(const char* key, const char* value) {
  HKEY root = HKEY_LOCAL_MACHINE;
  for (const Root& r : kRoots) {
    if (_strnicmp(key, r.name, std::strlen(r.name)) == 0) {
      root = r.key;
      key += std::strlen(r.name);
      break;
    }
  }
  // Players of 32 bits register in the registry's 32-bit view, which a
  // 64-bit Monitor doesn't see unless it asks for it.
  if (auto found = ReadValue(root, key, value, 0)) return found;
  return ReadValue(root, key, value, KEY_WOW64_32KEY);
}

std::string CMediaDesktopWin32::ExpandEnvironment(const std::string& text) {
  char buffer[kValueBuffer] = {};
  const DWORD n = ExpandEnvironmentStringsA(text.c_str(), buffer, sizeof buffer);
  if (n == 0 || n > sizeof buffer) return text;
  return buffer;
}

void CMediaDesktopWin32::Launch(const std::string& commandLine) {
  WinExec(commandLine.c_str(), SW_SHOWNORMAL);
}

CMediaDesktop::Window CMediaDesktopWin32::FindPlayerWindow(const char* className,
                                                           const char* title) {
  return reinterpret_cast<Window>(FindWindowA(className, title));
}

// A background program may only take the foreground with the input of the
// current foreground thread attached to its own.
void CMediaDesktopWin32::BringToForeground(Window w) {
  const DWORD self = GetCurrentThreadId();
  const DWORD foreground = GetWindowThreadProcessId(GetForegroundWindow(), nullptr);
  const bool attach = foreground != 0 && foreground != self;
  if (attach) AttachThreadInput(foreground, self, TRUE);
  SetForegroundWindow(AsWindow(w));
  if (attach) AttachThreadInput(foreground, self, FALSE);
}

void CMediaDesktopWin32::Send(Window w, unsigned msg, uintptr_t wParam, intptr_t lParam) {
  SendMessageA(AsWindow(w), msg, wParam, lParam);
}

void CMediaDesktopWin32::Post(Window w, unsigned msg, uintptr_t wParam, intptr_t lParam) {
  PostMessageA(AsWindow(w), msg, wParam, lParam);
}

void CMediaDesktopWin32::PostAppCommand(int command) {
  PostMessageA(window_, WM_APPCOMMAND, reinterpret_cast<WPARAM>(window_),
               static_cast<LPARAM>(command) << 16);
}

void CMediaDesktopWin32::Pause(int ms) { ::Sleep(static_cast<DWORD>(ms)); }
