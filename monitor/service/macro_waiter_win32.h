// Waits of the macro player: a high-resolution waitable timer (or a raised
// timer resolution while a macro plays) for the bulk of a pause, a short spin
// on the performance counter for the last stretch, and a stop event that ends
// a wait at once.
#pragma once

#include <atomic>
#include <cstdint>

#include "monitor/service/macro_waiter.h"
#include "wingui/handles_win32.h"

class CMacroWaiterWin32 final : public CMacroWaiter {
 public:
  CMacroWaiterWin32();
  ~CMacroWaiterWin32() override;
  CMacroWaiterWin32(const CMacroWaiterWin32&) = delete;
  CMacroWaiterWin32& operator=(const CMacroWaiterWin32&) = delete;

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
