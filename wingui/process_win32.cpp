#include "wingui/process_win32.h"

namespace {
std::wstring FromAnsi(const std::string& text) {
  const int n =
      MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(n > 0 ? n : 0), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), n);
  return wide;
}
}  // namespace

CHandle StartProcess(const std::string& commandLine, const std::string& folder) {
  return StartProcess(FromAnsi(commandLine), std::filesystem::path(FromAnsi(folder)));
}

CHandle StartProcess(const std::wstring& commandLine, const std::filesystem::path& folder) {
  DWORD firstThread = 0;
  return StartProcess(commandLine, folder, firstThread);
}

CHandle StartProcess(const std::wstring& commandLine, const std::filesystem::path& folder,
                     DWORD& firstThread) {
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  std::wstring line = commandLine;  // the system may write into it
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.empty() ? nullptr : folder.c_str(), &si, &pi))
    return {};
  const CHandle thread(pi.hThread);
  firstThread = pi.dwThreadId;
  return CHandle(pi.hProcess);
}

int ExitCodeWithin(HANDLE process, DWORD timeoutMs) {
  if (!process || WaitForSingleObject(process, timeoutMs) != WAIT_OBJECT_0) return -1;
  DWORD code = 0;
  GetExitCodeProcess(process, &code);
  return static_cast<int>(code);
}
