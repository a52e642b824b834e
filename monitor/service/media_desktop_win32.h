// The media players' desktop: registry, WinExec, windows and messages.
#pragma once

#include <windows.h>

#include "monitor/service/media_desktop.h"

class CMediaDesktopWin32 final : public CMediaDesktop {
 public:
  // window: Monitor's own window, the target of the application commands.
  explicit CMediaDesktopWin32(HWND window) : window_(window) {}

  std::optional<std::string> ReadRegistry(const char* key, const char* value) override;
  std::string ExpandEnvironment(const std::string& text) override;
  void Launch(const std::string& commandLine) override;
  Window FindPlayerWindow(const char* className, const char* title) override;
  void BringToForeground(Window w) override;
  void Send(Window w, unsigned msg, uintptr_t wParam, intptr_t lParam) override;
  void Post(Window w, unsigned msg, uintptr_t wParam, intptr_t lParam) override;
  void PostAppCommand(int command) override;
  void Pause(int ms) override;

 private:
  HWND window_;
};
