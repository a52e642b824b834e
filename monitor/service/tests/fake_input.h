// A recording input sink and a fake clock for the action tests.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "monitor/service/input_sink.h"
#include "monitor/service/macro_waiter.h"

struct InputRecord {
  std::string what;  // "down 41", "up 10", "xdown ae", "mouse 2/0"
  int at;            // fake time in ms
  bool operator==(const InputRecord&) const = default;
};

class CFakeClock {
 public:
  int now = 0;
};

class CRecordingInput : public CInputSink {
 public:
  explicit CRecordingInput(CFakeClock& clock) : clock_(clock) {}
  void Key(uint8_t vk, bool up) override { Add(up ? "up " : "down ", vk); }
  void ExtendedKey(uint8_t vk, bool up) override { Add(up ? "xup " : "xdown ", vk); }
  void MouseButton(uint32_t flags, uint32_t data) override {
    events.push_back({"mouse " + std::to_string(flags) + "/" + std::to_string(data), clock_.now});
  }
  void Pause(int ms) override { clock_.now += ms; }

  std::vector<std::string> Names() const {
    std::vector<std::string> out;
    for (const auto& e : events) out.push_back(e.what);
    return out;
  }
  std::vector<InputRecord> events;

 private:
  void Add(const char* prefix, uint8_t vk) {
    char hex[8];
    snprintf(hex, sizeof hex, "%02x", vk);
    events.push_back({prefix + std::string(hex), clock_.now});
  }
  CFakeClock& clock_;
};

// A US layout: letters and digits map as on the key table, modifiers and the
// left/right keys as themselves; unknown usages give 0.
class CUsTable : public CKeyTranslator {
 public:
  uint8_t UsageToVirtualKey(uint8_t usage) const override {
    if (usage >= 0x04 && usage <= 0x1D) return 0x41 + (usage - 0x04);
    if (usage >= 0x1E && usage <= 0x26) return 0x31 + (usage - 0x1E);
    if (usage == 0x27) return 0x30;
    if (usage == 0x2C) return 0x20;
    static constexpr uint8_t kMods[] = {0xA2, 0xA0, 0xA4, 0x5B, 0xA3, 0xA1, 0xA5, 0x5C};
    if (usage >= 0xE0 && usage <= 0xE7) return kMods[usage - 0xE0];
    return 0;
  }
};

// Waits advance the fake clock; a stop requested "during" a wait can be
// scheduled at a fake time.
class CFakeWaiter : public CMacroWaiter {
 public:
  explicit CFakeWaiter(CFakeClock& clock) : clock_(clock) {}
  void BeginPlayback() override { ++begun; }
  void EndPlayback() override { ++ended; }
  void Wait(int ms) override {
    if (interrupted_) return;
    clock_.now += ms;
    if (onWait) onWait(clock_.now);
  }
  void Sleep(int ms) override { clock_.now += ms; }
  void Interrupt() override { interrupted_ = true; }
  void ClearInterrupt() override { interrupted_ = false; }

  std::function<void(int)> onWait;  // called with the time after each wait
  int begun = 0, ended = 0;

 private:
  CFakeClock& clock_;
  bool interrupted_ = false;
};
