// Monitor's tray icon (while the mouse is attached) and its menu.
#pragma once

#include <windows.h>

#include <string>

#include "wingui/handles_win32.h"

class CTrayIcon {
 public:
  CTrayIcon() = default;
  ~CTrayIcon();
  CTrayIcon(const CTrayIcon&) = delete;
  CTrayIcon& operator=(const CTrayIcon&) = delete;

  // window receives MSG_TRAY_NOTIFY; the icon is the program file's own.
  void Add(HWND window, const std::string& tip);
  void Remove();
  bool Shown() const { return shown_; }

  // The menu at the cursor: open Option (default) and exit.
  static void ShowMenu(HWND window, const std::string& openText, const std::string& exitText);

 private:
  HWND window_ = nullptr;
  CIcon icon_;
  bool shown_ = false;
};
