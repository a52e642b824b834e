// Waits of the macro player: a high-resolution waitable timer (or a raised
// timer resolution while a macro plays) for the bulk of a pause, a short spin
// on the performance counter for the last stretch, and a stop event that ends
// a wait at once.
#pragma once

#include <atomic>
#include <cstdint>

#include "monitor/service/macro_waiter.h"
#include "wingui/handles_win32.h"

class Win32MacroWaiter final : public MacroWaiter {
 public:
  Win32MacroWaiter();
  ~Win32MacroWaiter() override;
  Win32MacroWaiter(const Win32MacroWaiter&) = delete;
  Win32MacroWaiter& operator=(const Win32MacroWaiter&) = delete;

  void BeginPlayback() override;
  void EndPlayback() override;
  void Wait(int ms) override;
  void Sleep(int ms) override;
  void Interrupt() override;
  void ClearInterrupt() override;

  bool HighResolution() const { return highResolution_; }

 private:
  int64_t Now() const;
  void WaitUntil(int64_t due, bool interruptible);

  CHandle timer_;
  CHandle stopEvent_;
  std::atomic<bool> interrupted_{false};
  bool highResolution_ = false;
  bool periodRaised_ = false;
  int64_t frequency_ = 1;
  int64_t due_ = 0;  // end of the previous wait, in counter ticks
};
