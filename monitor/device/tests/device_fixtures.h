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
#include "settings/profile_record.h"
#include "settings/profile_set.h"

// A cleared record filled by the default builder, change flags all 0.
inline std::unique_ptr<ProfileSet> MakeDefaultSet() {
  auto set = std::make_unique<ProfileSet>();
  ClearProfileSet(*set);
  SetDefaultSettings(*set);
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

class CRecordingSink final : public CReportSink {
 public:
  explicit CRecordingSink(TransferLog& log) : log_(log) {}
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
class CRecordingWait final : public CTransferWait {
 public:
  explicit CRecordingWait(TransferLog& log) : log_(log) {}
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
