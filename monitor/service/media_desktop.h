// What the media-player control needs from the desktop: the registry, program
// start, windows found by class or title, and messages to them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

class CMediaDesktop {
 public:
  using Window = uintptr_t;  // 0: no window
  virtual ~CMediaDesktop() = default;
  // A string value (value nullptr: the key's default value); nothing when the
  // key or the value is missing. A key path without a root is read under the
  // local machine.
  virtual std::optional<std::string> ReadRegistry(const char* key, const char* value) = 0;
  virtual std::string ExpandEnvironment(const std::string& text) = 0;
  virtual void Launch(const std::string& commandLine) = 0;
  // class or title nullptr: any.
  virtual Window FindPlayerWindow(const char* className, const char* title) = 0;
  virtual void BringToForeground(Window w) = 0;
  virtual void Send(Window w, unsigned msg, uintptr_t wParam, intptr_t lParam) = 0;
  virtual void Post(Window w, unsigned msg, uintptr_t wParam, intptr_t lParam) = 0;
  // A system application command, posted to Monitor's own window.
  virtual void PostAppCommand(int command) = 0;
  virtual void Pause(int ms) = 0;
};
