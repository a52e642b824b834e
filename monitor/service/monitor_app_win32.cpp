#include "monitor/service/monitor_app_win32.h"

#include <objbase.h>

#include "monitor/service/monitor_wnd_win32.h"
#include "settings/system_names.h"
#include "wingui/handles_win32.h"

namespace {

// The single-instance mutex: released and closed at exit.
class CInstanceMutex {
 public:
  CInstanceMutex() : handle_(CreateMutexA(nullptr, TRUE, names::kMonitorInstanceMutex)) {
    alreadyRunning_ = GetLastError() == ERROR_ALREADY_EXISTS;
  }
  ~CInstanceMutex() {
    if (handle_ && !alreadyRunning_) ReleaseMutex(handle_.Get());
  }
  bool AlreadyRunning() const { return alreadyRunning_; }

 private:
  CHandle handle_;
  bool alreadyRunning_ = false;
};

}  // namespace

int CMonitorApp::Run(const char* commandLine) {
  const bool openOption = commandLine && commandLine[0] == '1';
  CInstanceMutex mutex;
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
    std::unique_ptr<CMonitorWnd> window = CMonitorWnd::Create(openOption);
    if (window) {
      RunMessageLoop();
      exitCode = 0;
    }
  }
  CoUninitialize();
  return exitCode;
}
