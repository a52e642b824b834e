// How the macro player waits out the recorded pauses. The Windows waiter uses a
// high-resolution timer; the tests use a fake clock.
#pragma once

class CMacroWaiter {
 public:
  virtual ~CMacroWaiter() = default;
  // Around one playback (the Windows waiter may raise the timer resolution).
  virtual void BeginPlayback() = 0;
  virtual void EndPlayback() = 0;
  // Waits ms after the end of the previous wait, ending early once Interrupt()
  // has been called (until ClearInterrupt()).
  virtual void Wait(int ms) = 0;
  // Waits ms whatever happens (releasing held keys after a stop).
  virtual void Sleep(int ms) = 0;
  // From the window thread: a pending or running wait ends at once.
  virtual void Interrupt() = 0;
  virtual void ClearInterrupt() = 0;
};
