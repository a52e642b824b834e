#include "monitor/service/monitor_app_win32.h"

#include <objbase.h>

#include "monitor/service/monitor_wnd_win32.h"
#include "settings/system_names.h"

namespace {

// The single-instance mutex: released and closed at exit.
class InstanceMutex {
 public:
  InstanceMutex() : handle_(CreateMutexA(nullptr, TRUE, names::kMonitorInstanceMutex)) {
    alreadyRunning_ = GetLastError() == ERROR_ALREADY_EXISTS;
  }
  ~InstanceMutex() {
    if (!handle_) return;
    if (!alreadyRunning_) ReleaseMutex(handle_);
    CloseHandle(handle_);
  }
  InstanceMutex(const InstanceMutex&) = delete;
  InstanceMutex& operator=(const InstanceMutex&) = delete;
  bool AlreadyRunning() const { return alreadyRunning_; }

 private:
  HANDLE handle_;
  bool alreadyRunning_ = false;
};

}  // namespace

int CMonitorApp::Run(HINSTANCE instance, const char* commandLine) {
  const bool openOption = commandLine && commandLine[0] == '1';
  InstanceMutex mutex;
  if (mutex.AlreadyRunning()) {
    if (openOption)
      if (HWND first = FindWindowA(nullptr, names::kMonitorTitle))
        PostMessageA(first, WM_COMMAND, CMD_OPEN_OPTION, 0);
    return 0;
  }
  CoInitialize(nullptr);
  int exitCode = 1;
  {
    // Without its window (another Monitor owns the shared block) the process
    // has nothing to do and ends.
    std::unique_ptr<CMonitorWnd> window = CMonitorWnd::Create(instance, openOption);
    if (window) {
      MSG msg;
      while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
      }
      exitCode = 0;
    }
  }
  CoUninitialize();
  return exitCode;
}
