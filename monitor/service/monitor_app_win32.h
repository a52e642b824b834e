// CMonitorApp: the process part of Monitor's start-up and exit.
#pragma once

#include <windows.h>

class CMonitorApp {
 public:
  // Runs Monitor; returns the process exit code.
  int Run(const char* commandLine);
};
