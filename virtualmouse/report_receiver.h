// The mouse's receiving end: checks every feature report and data packet and
// keeps the decoded state. A report that fails a check changes nothing and is
// counted as a problem, with a line saying why.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "virtualmouse/device_state.h"

namespace vmouse {

class CReportReceiver {
 public:
  explicit CReportReceiver(DeviceState& state) : state_(state) {}

  // Both return an empty string when the report was taken, else the problem.
  std::string OnFeature(const std::uint8_t* bytes, std::size_t length);
  std::string OnPacket(const std::uint8_t* bytes, std::size_t length);

  int problems() const { return problems_; }
  const std::string& lastProblem() const { return lastProblem_; }
  // True between a block command and its second packet.
  bool blockPending() const { return pendingCommand_ != 0; }
  // Unplugging forgets a half-received block without counting a problem.
  void DropPendingBlock() { pendingCommand_ = 0; }

 private:
  std::string Problem(std::string text);
  std::string StartBlock(std::uint8_t command, std::uint8_t index, std::uint8_t value);
  void FinishBlock();

  DeviceState& state_;
  int problems_ = 0;
  std::string lastProblem_;
  std::uint8_t pendingCommand_ = 0;
  std::uint8_t pendingIndex_ = 0;
  std::size_t pendingBytes_ = 0;
  Block block_{};
};

}  // namespace vmouse
