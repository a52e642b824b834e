// When a foreground change should be acted on: a program that takes the
// foreground and gives it back within a few tens of ms must not start a
// stream of profile activations. The choice runs once the foreground has been
// still for a moment, and at the latest a little after the first change, on
// whatever is in front then (the last foreground wins).
#pragma once

#include <cstdint>

inline constexpr unsigned kForegroundSettle = 40;        // ms of stillness
inline constexpr unsigned kForegroundSettleLimit = 150;  // ms after the first change

class CForegroundSettle {
 public:
  // A foreground change at now (ms, any wrapping clock). Returns the delay
  // to (re)start the settle timer with, or 0 to leave it running.
  unsigned OnChange(uint32_t now);
  // The settle timer fired, or was stopped.
  void Reset() { pending_ = false; }

 private:
  bool pending_ = false;
  uint32_t first_ = 0;
};
