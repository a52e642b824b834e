// Monitor.exe: the resident program.
#include <windows.h>

#include "monitor/service/monitor_app_win32.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  CMonitorApp app;
  return app.Run(commandLine);
}
