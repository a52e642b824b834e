// Records and fakes shared by the device tests.
#pragma once

#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "monitor/device/device_link.h"
#include "monitor/device/transfer_wait.h"
#include "settings/profile_set.h"

// The fields the mouse receives, at their default values (profile names and
// system settings play no part here).
inline std::unique_ptr<ProfileSet> MakeDefaultSet() {
  auto set = std::make_unique<ProfileSet>();
  std::memset(set.get(), 0, sizeof *set);
  set->CurrentProfile = 0;
  const uint8_t functions[kButtonCount] = {1, 2, 3, 7, 8, 13, 86, 0, 0, 0, 0, 0, 0, 0, 9, 10};
  const int32_t colors[8] = {0, 1, 3, 2, 4, 5, 6, 7};
  for (Profile& p : set->Profiles) {
    p.Sensitivity_X = p.Sensitivity_Y = 10;
    for (int i = 0; i < kLevelCount; ++i) p.CpiLevel_X[i] = p.CpiLevel_Y[i] = 4 + 2 * i;
    p.CpiStep = 0;
    p.PollingRate = 2;
    p.LightSwitch = 0;
    p.LightType = 2;
    for (int k = 0; k < 8; ++k) p.ColorOptions[k] = colors[k];
    p.OTGSpeed = 10;
    for (int b = 0; b < kButtonCount; ++b) {
      p.MacroKeyInfo[b].button = static_cast<uint8_t>(b);
      p.MacroKeyInfo[b].function = functions[b];
    }
    p.XuanCaiDirection = 0;
    p.XuanCaiSpeed = 2;
    p.XuanCaiSpecielSpeed = 1;
    p.NeonSpeed = 2;
    p.NeonSpecielSpeed = 1;
    p.QiSeSpeed = 2;
    p.QiSeType = 1;
    p.QiSeSpecielSpeed = 1;
    p.DanSeSpeed = 2;
    p.DanSeSpecielSpeed = 1;
    p.DanSeIntensity = 2;
    p.DanSeType = 2;
  }
  return set;
}

inline std::string Hex(const uint8_t* bytes, size_t n) {
  std::string s;
  char buf[4];
  for (size_t i = 0; i < n; ++i) {
    std::snprintf(buf, sizeof buf, i ? " %02X" : "%02X", bytes[i]);
    s += buf;
  }
  return s;
}

// Everything a transfer does, in order: "F <8 bytes>" for a command report,
// "U <64 bytes>" for a packet, "P <ms>" for a pause.
struct TransferLog {
  std::vector<std::string> lines;
};

class RecordingSink final : public ReportSink {
 public:
  explicit RecordingSink(TransferLog& log) : log_(log) {}
  void SetFeature(const uint8_t* bytes, size_t length) override {
    log_.lines.push_back("F " + Hex(bytes, length));
  }
  void WriteUSB(const uint8_t* bytes, size_t length) override {
    log_.lines.push_back("U " + Hex(bytes, length));
  }

 private:
  TransferLog& log_;
};

// Takes no time; records each pause and can run an action (an abort, say)
// at the start of the pause with a given number.
class RecordingWait final : public TransferWait {
 public:
  explicit RecordingWait(TransferLog& log) : log_(log) {}
  void Wait(int ms, const std::atomic<bool>& abort) override {
    log_.lines.push_back("P " + std::to_string(ms));
    if (++pauses_ == triggerAt_ && trigger_) trigger_();
    if (abort) ++cutShort_;
  }
  void Wake() override { ++wakes_; }
  void OnPause(int number, std::function<void()> action) {
    triggerAt_ = number;
    trigger_ = std::move(action);
  }
  int wakes() const { return wakes_; }
  int cutShort() const { return cutShort_; }

 private:
  TransferLog& log_;
  int pauses_ = 0;
  int triggerAt_ = 0;
  std::function<void()> trigger_;
  int wakes_ = 0;
  int cutShort_ = 0;
};
