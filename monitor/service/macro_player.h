// Host playback of a button's macro: staged on the window thread, played on
// MacroThread, stopped by a second press of a macro button.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "monitor/service/input_sink.h"
#include "monitor/service/macro_waiter.h"
#include "settings/profile_set.h"

class CMacroPlayer {
 public:
  using Trace = std::function<void(const std::string&)>;
  CMacroPlayer(CInputSink& input, const CKeyTranslator& table, CMacroWaiter& waiter, Trace trace)
      : input_(input), table_(table), waiter_(waiter), trace_(std::move(trace)) {}

  // Window thread. A macro button was pressed: returns true when MacroThread
  // must be told to play (MSG_PLAY_MACRO); while one plays it is stopped instead.
  bool Stage(const MacroKeyInfo& button);
  // MacroThread, on MSG_PLAY_MACRO: plays the staged macro to its end or a stop.
  void PlayStaged();
  // Any thread: a playing macro stops at once and releases what it holds.
  void Stop();
  // Window thread: MacroThread could not be told; forget the staged macro.
  void CancelStaged() { playing_ = 0; }

  bool Playing() const { return playing_ != 0; }
  int RemainingRepeat() const { return remainingRepeat_; }

 private:
  void Play(int start, int end, int repeat);
  // One event; false when the player must leave.
  bool PlayEvent(const MacroEvent& e);
  void HoldKeyDown(uint8_t vk, int delay);
  void Send(uint8_t code, uint8_t direction);
  void ReleaseHeld();

  CInputSink& input_;
  const CKeyTranslator& table_;
  CMacroWaiter& waiter_;
  Trace trace_;

  // Written by the window thread only while nothing plays.
  MacroEvent events_[kMacroEventCount] = {};
  int count_ = 0;
  int repeat_ = 1;
  std::atomic<int> current_{0};
  std::atomic<int> stop_{0};
  // Set from staging until the player is done, so that no second play can be
  // queued and the buffer is never rewritten under the player.
  std::atomic<int> playing_{0};
  int remainingRepeat_ = 0;
  std::vector<uint8_t> held_;  // codes pressed and not yet released, oldest first
};
