#include "monitor/service/macro_player.h"

#include <algorithm>
#include <cstdio>

namespace {
constexpr uint8_t kFirstMouseCode = 240, kLastMouseCode = 244;
constexpr int kTypematicDelayMs = 500, kTypematicRateMs = 33, kReleaseGapMs = 50;

struct MouseFlags {
  uint32_t press, release, data;
};
// Left, right, middle, back and forward. Windows takes the first extended
// button for back and the second for forward.
constexpr MouseFlags kMouseFlags[] = {
    {0x0002, 0x0004, 0}, {0x0008, 0x0010, 0}, {0x0020, 0x0040, 0},
    {0x0080, 0x0100, 1}, {0x0080, 0x0100, 2}};

bool IsMouseCode(uint8_t code) { return code >= kFirstMouseCode && code <= kLastMouseCode; }
}  // namespace

bool CMacroPlayer::Stage(const MacroKeyInfo& button) {
  if (button.function != kFunctionMacro || button.count <= 0) return false;
  if (playing_.exchange(1) != 0) {
    Stop();
    return false;
  }
  repeat_ = button.repeat > 0 ? button.repeat : 1;
  count_ = std::min<int>(button.count, kMacroEventCount);
  for (int i = 0; i < kMacroEventCount; ++i) events_[i] = GetMacroEvent(button, i);
  stop_ = 0;
  waiter_.ClearInterrupt();
  current_ = 0;
  return true;
}

void CMacroPlayer::Stop() {
  stop_ = 1;
  waiter_.Interrupt();
}

void CMacroPlayer::PlayStaged() {
  playing_ = 1;
  waiter_.BeginPlayback();
  Play(current_, count_, repeat_);
  waiter_.EndPlayback();
  playing_ = 0;
}

void CMacroPlayer::Play(int start, int end, int repeat) {
  if (end <= start) return;
  held_.clear();
  int passes = 0;
  for (; passes < repeat && !stop_; ++passes) {
    for (int j = start; j < end; ++j) {
      current_ = j;
      if (stop_ || !PlayEvent(events_[j])) break;
    }
  }
  remainingRepeat_ = repeat - passes;
  char line[96];
  std::snprintf(line, sizeof line, "g_iCurAction= %d,start=%d,end=%d\n", current_.load(), start,
                end);
  trace_(line);
  if (stop_) ReleaseHeld();
}

bool CMacroPlayer::PlayEvent(const MacroEvent& e) {
  const int delay = e.delay == 0 ? 1 : e.delay;
  if (e.direction == kEventPress) {
    held_.push_back(e.code);
  } else if (e.direction == kEventRelease) {
    auto it = std::find(held_.rbegin(), held_.rend(), e.code);
    if (it != held_.rend()) held_.erase(std::next(it).base());
  }
  if (IsMouseCode(e.code)) {
    if (e.direction == kEventPress || e.direction == kEventRelease) Send(e.code, e.direction);
    waiter_.Wait(delay);
    return true;
  }
  if (e.direction != kEventPress && e.direction != kEventRelease) return true;
  Send(e.code, e.direction);
  if (e.direction == kEventPress && delay > kTypematicDelayMs) {
    HoldKeyDown(PlayableVirtualKey(table_, e.code), delay);
  } else {
    waiter_.Wait(delay);
  }
  return true;
}

// A key held longer than the keyboard's own repeat delay repeats like a real
// keyboard would.
void CMacroPlayer::HoldKeyDown(uint8_t vk, int delay) {
  waiter_.Wait(kTypematicDelayMs);
  for (int rest = delay - kTypematicDelayMs; rest > 0; rest -= kTypematicRateMs) {
    if (vk != 0) {
      input_.Key(vk, true);
      input_.Key(vk, false);
    }
    if (stop_) return;
    waiter_.Wait(kTypematicRateMs);
  }
}

void CMacroPlayer::Send(uint8_t code, uint8_t direction) {
  const bool up = direction == kEventRelease;
  if (IsMouseCode(code)) {
    const MouseFlags& m = kMouseFlags[code - kFirstMouseCode];
    input_.MouseButton(up ? m.release : m.press, m.data);
    return;
  }
  if (const uint8_t vk = PlayableVirtualKey(table_, code)) input_.Key(vk, up);
}

// After a stop nothing the macro pressed may stay down: release newest first,
// a little apart so that programs see them one by one.
void CMacroPlayer::ReleaseHeld() {
  while (!held_.empty()) {
    const uint8_t code = held_.back();
    held_.pop_back();
    Send(code, kEventRelease);
    waiter_.Sleep(kReleaseGapMs);
  }
}
