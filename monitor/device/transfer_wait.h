// The pauses of a transfer: the mouse needs them between reports, and an
// abort must cut them short.
#pragma once

#include <atomic>
#include <condition_variable>
#include <mutex>

class CTransferWait {
 public:
  virtual ~CTransferWait() = default;
  // Waits ms milliseconds, or less once abort is set and Wake() has been
  // called.
  virtual void Wait(int ms, const std::atomic<bool>& abort) = 0;
  // Called (from any thread) after abort has been set.
  virtual void Wake() = 0;
};

// Real time: a wait on a condition that the abort signals, never a busy spin.
class CClockWait final : public CTransferWait {
 public:
  void Wait(int ms, const std::atomic<bool>& abort) override;
  void Wake() override;

 private:
  std::mutex mutex_;
  std::condition_variable woken_;
};
