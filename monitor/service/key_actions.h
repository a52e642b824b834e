// Key combinations held on a mouse button and the volume keys, with their
// auto-repeat. Runs on Monitor's window thread.
#pragma once

#include <cstdint>

#include "monitor/service/input_sink.h"

// The window's repeat timers.
class CActionTimers {
 public:
  virtual ~CActionTimers() = default;
  virtual void Start(unsigned id, unsigned ms) = 0;
  virtual void Stop(unsigned id) = 0;
};

class CKeyActions {
 public:
  CKeyActions(CInputSink& input, const CKeyTranslator& table, CActionTimers& timers)
      : input_(input), table_(table), timers_(timers) {}

  // A key-combination button: usage and modifier bits of its record.
  void Press(uint8_t usage, uint8_t modifiers);
  void Release(uint8_t usage, uint8_t modifiers);
  // Multimedia functions 0x25 (mute), 0x26 (volume up), 0x27 (volume down).
  void Volume(int function, bool pressed);
  // TIMER_KEY_REPEAT and TIMER_VOLUME_REPEAT ticks.
  void OnKeyRepeatTick();
  void OnVolumeRepeatTick();
  // Ends both repeats, whatever is held.
  void StopRepeats();

 private:
  void TapVolume(uint8_t vk);

  CInputSink& input_;
  const CKeyTranslator& table_;
  CActionTimers& timers_;
  uint8_t heldUsage_ = 0;
  bool firstRepeatTick_ = false;
  int volumeFunction_ = 0;
};
