// What the setup program's end-to-end test needs to see from the Win32 side.
// Text goes out as UTF-8 into the file named last; the exit code tells.
//   window <title> <out>        "<window> <process id>" of the window, 1 if none
//   tray                        0 when Monitor's tray icon is there
//   close <title>               posts WM_CLOSE to the window, 1 if none
//   run-value <name> <out>      the user's Run value, then runs its command
//   values <key> <out>          "name=value" lines of a key of the user's registry
//   shortcut <lnk> <out>        the shortcut's target
//   icon <program>              0 when the program file has its icon 128 in both sizes
//   stubborn <title> <file>     a window that won't close; writes the file when
//                               up and ends when the file is deleted
//   macro-store <folder>        a macro store with one macro in <folder>\config
#include <windows.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "settings/macro_store.h"
#include "settings/system_names.h"
#include "wingui/handles_win32.h"
#include "wingui/process_win32.h"
#include "wingui/window_win32.h"

namespace {

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(size_t(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), out.data(), n, nullptr, nullptr);
  return out;
}

bool WriteOut(const std::wstring& file, const std::string& text) {
  FILE* f = _wfopen(file.c_str(), L"wb");
  if (!f) return false;
  const bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
  return std::fclose(f) == 0 && ok;
}

HWND Find(const std::wstring& title) { return FindWindowW(nullptr, title.c_str()); }

HWND MonitorWindow() { return FindWindowA(nullptr, names::kMonitorTitle); }

int Window(const std::wstring& title, const std::wstring& out) {
  HWND window = Find(title);
  if (!window) return 1;
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  return WriteOut(out, std::to_string(reinterpret_cast<uintptr_t>(window)) + " " + std::to_string(pid) + "\n") ? 0 : 2;
}

// Changing nothing in an icon that isn't there fails.
int Tray() {
  HWND monitor = MonitorWindow();
  if (!monitor) return 1;
  NOTIFYICONDATAA data{};
  data.cbSize = sizeof data;
  data.hWnd = monitor;
  data.uID = kTrayIconId;
  return Shell_NotifyIconA(NIM_MODIFY, &data) ? 0 : 1;
}

int Close(const std::wstring& title) {
  HWND window = Find(title);
  return window && PostMessageW(window, WM_CLOSE, 0, 0) ? 0 : 1;
}

std::wstring ReadString(HKEY key, const wchar_t* name) {
  DWORD type = 0, size = 0;
  if (RegQueryValueExW(key, name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS || type != REG_SZ) return {};
  std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
  if (RegQueryValueExW(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(text.data()), &size) != ERROR_SUCCESS)
    return {};
  text.resize(wcslen(text.c_str()));
  return text;
}

int RunValue(const std::wstring& name, const std::wstring& out) {
  CRegKey key;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Run", 0, KEY_READ,
                    key.Receive()) != ERROR_SUCCESS)
    return 1;
  const std::wstring command = ReadString(key.Get(), name.c_str());
  if (command.empty()) return 1;
  WriteOut(out, Utf8(command) + "\n");
  // As the shell runs it at logon: the command line as it stands.
  return StartProcess(command) ? 0 : 2;
}

int Values(const std::wstring& path, const std::wstring& out) {
  CRegKey owner;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, owner.Receive()) != ERROR_SUCCESS) return 1;
  const HKEY key = owner.Get();
  std::string text;
  for (DWORD i = 0;; ++i) {
    wchar_t name[256];
    DWORD length = ARRAYSIZE(name), type = 0, size = 0;
    if (RegEnumValueW(key, i, name, &length, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) break;
    if (type == REG_SZ) {
      text += Utf8(name) + "=" + Utf8(ReadString(key, name)) + "\n";
    } else if (type == REG_DWORD) {
      DWORD value = 0, bytes = sizeof value;
      RegQueryValueExW(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &bytes);
      text += Utf8(name) + "=" + std::to_string(value) + "\n";
    }
  }
  return WriteOut(out, text) ? 0 : 2;
}

int Shortcut(const std::wstring& link, const std::wstring& out) {
  if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 2;
  int result = 1;
  {
    CComPtr<IShellLinkW> shell;
    CComPtr<IPersistFile> file;
    wchar_t target[MAX_PATH * 4] = L"";
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(shell.Receive()))) &&
        SUCCEEDED(shell.Get()->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file.Receive()))) &&
        SUCCEEDED(file.Get()->Load(link.c_str(), STGM_READ)) &&
        SUCCEEDED(shell.Get()->GetPath(target, ARRAYSIZE(target), nullptr, SLGP_RAWPATH)))
      result = WriteOut(out, Utf8(target) + "\n") ? 0 : 2;
  }  // released before COM ends
  CoUninitialize();
  return result;
}

// Window icons can't be asked across processes under Wine; the test sees
// those from the X side.
int Icon(const std::wstring& program) {
  const CModule module(
      LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
  if (!module) return 2;
  int result = 0;
  for (const int size : {16, 32}) {
    const CIcon icon(
        static_cast<HICON>(LoadImageW(module.Get(), MAKEINTRESOURCEW(128), IMAGE_ICON, size, size, 0)));
    if (!icon) result = 1;
  }
  return result;
}

// A program window that ignores WM_CLOSE.
class CStubbornWnd final : public CWindow {
 public:
  bool Create(const std::string& title) {
    return CreateWindowOf({"SetupProbeStubborn"}, 0, WS_POPUP, 0, 0, 10, 10, nullptr, 0, title.c_str());
  }

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override {
    return msg == WM_CLOSE ? 0 : Default(msg, wp, lp);
  }
};

int Stubborn(const std::wstring& title, const std::wstring& file) {
  CStubbornWnd window;
  if (!window.Create(Utf8(title)) || !WriteOut(file, "up\n")) return 2;
  while (GetFileAttributesW(file.c_str()) != INVALID_FILE_ATTRIBUTES) {
    PumpMessages();
    Sleep(50);
  }
  return 0;
}

int WriteMacroStore(const std::wstring& folder) {
  CMacroStore store;
  MacroRecord* macro = store.Get(store.Create("Upgrade check"));
  macro->repeat = 3;
  macro->count = 2;
  macro->events[0] = {0x04, kEventPress, 40};  // A down, 40 ms
  macro->events[1] = {0x04, kEventRelease, 0};
  std::filesystem::create_directories(std::filesystem::path(folder) / L"config");
  return store.Save(folder) ? 0 : 2;
}

}  // namespace

int main() {
  int count = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::wstring> args(argv, argv + count);
  LocalFree(argv);
  if (count < 2) return 64;
  const std::wstring& verb = args[1];
  const auto arg = [&](size_t i) { return i < args.size() ? args[i] : std::wstring(); };
  if (verb == L"window") return Window(arg(2), arg(3));
  if (verb == L"tray") return Tray();
  if (verb == L"close") return Close(arg(2));
  if (verb == L"run-value") return RunValue(arg(2), arg(3));
  if (verb == L"values") return Values(arg(2), arg(3));
  if (verb == L"shortcut") return Shortcut(arg(2), arg(3));
  if (verb == L"icon") return Icon(arg(2));
  if (verb == L"stubborn") return Stubborn(arg(2), arg(3));
  if (verb == L"macro-store") return WriteMacroStore(arg(2));
  return 64;
}
