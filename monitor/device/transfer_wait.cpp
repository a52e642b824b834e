#include "monitor/device/transfer_wait.h"

#include <chrono>

void CClockWait::Wait(int ms, const std::atomic<bool>& abort) {
  const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  std::unique_lock lock(mutex_);
  woken_.wait_until(lock, until, [&] { return abort.load(); });
}

void CClockWait::Wake() {
  // Taking the lock orders the abort before a waiter's check: no lost wake-up.
  { std::lock_guard lock(mutex_); }
  woken_.notify_all();
}
