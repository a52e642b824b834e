#include "monitor/service/macro_waiter_win32.h"

#include <windows.h>
#include <mmsystem.h>

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

namespace {
// The timer may wake this late; the rest of a wait is spun out on the counter.
constexpr int64_t kSpinMicroseconds = 1500;
// A wait that starts this far behind the previous one's end (the sender was
// held up) counts from now, so one late event doesn't hurry the next.
constexpr int64_t kCatchUpMicroseconds = 2000;
}  // namespace

CMacroWaiterWin32::CMacroWaiterWin32()
    : timer_(CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION,
                                    TIMER_ALL_ACCESS)),
      stopEvent_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
  highResolution_ = static_cast<bool>(timer_);
  if (!timer_) timer_ = CHandle(CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS));
  LARGE_INTEGER f;
  QueryPerformanceFrequency(&f);
  frequency_ = f.QuadPart;
}

CMacroWaiterWin32::~CMacroWaiterWin32() { EndPlayback(); }

int64_t CMacroWaiterWin32::Now() const {
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return t.QuadPart;
}

void CMacroWaiterWin32::BeginPlayback() {
  if (!highResolution_ && !periodRaised_) periodRaised_ = timeBeginPeriod(1) == TIMERR_NOERROR;
  SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_TIME_CRITICAL);
  due_ = Now();
}

void CMacroWaiterWin32::EndPlayback() {
  if (periodRaised_) timeEndPeriod(1);
  periodRaised_ = false;
  SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_NORMAL);
}

void CMacroWaiterWin32::Wait(int ms) {
  const int64_t now = Now();
  // Pauses follow one another from the previous pause's end, so the time the
  // events themselves take doesn't add up over a macro.
  const int64_t base = now - due_ > kCatchUpMicroseconds * frequency_ / 1000000 ? now : due_;
  due_ = base + static_cast<int64_t>(ms) * frequency_ / 1000;
  WaitUntil(due_, true);
}

void CMacroWaiterWin32::Sleep(int ms) {
  due_ = Now() + static_cast<int64_t>(ms) * frequency_ / 1000;
  WaitUntil(due_, false);
}

void CMacroWaiterWin32::WaitUntil(int64_t due, bool interruptible) {
  const int64_t spin = kSpinMicroseconds * frequency_ / 1000000;
  for (int64_t left = due - Now(); left > spin; left = due - Now()) {
    if (interruptible && interrupted_) return;
    // Relative due time in 100 ns units, negative.
    LARGE_INTEGER when;
    when.QuadPart = -((left - spin) * 10000000 / frequency_);
    if (!timer_ || !SetWaitableTimer(timer_.Get(), &when, 0, nullptr, nullptr, FALSE)) {
      ::Sleep(1);
      continue;
    }
    const HANDLE handles[] = {timer_.Get(), stopEvent_.Get()};
    WaitForMultipleObjects(interruptible ? 2 : 1, handles, FALSE, INFINITE);
  }
  while (Now() < due) {
    if (interruptible && interrupted_) return;
    YieldProcessor();
  }
}

void CMacroWaiterWin32::Interrupt() {
  interrupted_ = true;
  SetEvent(stopEvent_.Get());
}

void CMacroWaiterWin32::ClearInterrupt() {
  interrupted_ = false;
  ResetEvent(stopEvent_.Get());
}
