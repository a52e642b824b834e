#include "virtualmouse/report_receiver.h"

#include <cstdio>

#include "virtualmouse/block_decoder.h"

namespace vmouse {
namespace {

enum : std::uint8_t {
  kOpen = 0x01,
  kActivate = 0x02,
  kInterval = 0x03,
  kLevel = 0x04,
  kSettings = 0x0C,
  kButtonTable = 0x0D,
  kMacro = 0x0F,
};
constexpr std::uint8_t kBlockFollows = 0x80;

std::string Hex(std::uint8_t v) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%02X", v);
  return text;
}

bool IsProfile(std::uint8_t index) { return index >= 1 && index <= kProfiles; }

}  // namespace

std::string CReportReceiver::Problem(std::string text) {
  ++problems_;
  lastProblem_ = text;
  return text;
}

std::string CReportReceiver::OnFeature(const std::uint8_t* bytes, std::size_t length) {
  if (bytes == nullptr || length != kFeatureSize)
    return Problem("feature report of " + std::to_string(length) + " bytes");
  unsigned sum = 0;
  for (std::size_t i = 0; i < kFeatureSize; ++i) sum += bytes[i];
  if (sum % 256 != 0xFF) return Problem("feature report with a bad checksum");
  for (std::size_t i = 3; i < 7; ++i)
    if (bytes[i] != 0) return Problem("feature report with bytes 3-6 not zero");

  std::string cutShort;
  if (pendingCommand_ != 0) {
    cutShort = Problem("block of command " + Hex(pendingCommand_) + " cut short");
    pendingCommand_ = 0;
  }
  const std::uint8_t command = bytes[0], index = bytes[1], value = bytes[2];
  std::string result;
  switch (command) {
    case kOpen:
      if (index != 0x88 || value != 0x02) result = Problem("opening command with wrong bytes");
      break;
    case kActivate:
      if (!IsProfile(index) || value != 0) result = Problem("activation of profile " + Hex(index));
      else state_.activeProfile = index;
      break;
    case kInterval:
      if (!IsProfile(index) || (value != 1 && value != 2 && value != 4 && value != 8))
        result = Problem("report interval " + Hex(value) + " for profile " + Hex(index));
      else state_.profiles[index - 1].interval = value;
      break;
    case kLevel:
      if (!IsProfile(index) || value < 1 || value > kLevels)
        result = Problem("level " + Hex(value) + " for profile " + Hex(index));
      else state_.profiles[index - 1].level = value;
      break;
    case kSettings:
    case kButtonTable:
    case kMacro:
      result = StartBlock(command, index, value);
      break;
    default:
      result = Problem("unknown command " + Hex(command));
  }
  return cutShort.empty() ? result : cutShort;
}

std::string CReportReceiver::StartBlock(std::uint8_t command, std::uint8_t index,
                                        std::uint8_t value) {
  const bool indexOk = command == kMacro ? index >= 1 && index <= kMacroSlots : IsProfile(index);
  if (!indexOk || value != kBlockFollows)
    return Problem("command " + Hex(command) + " with index " + Hex(index) + " value " +
                   Hex(value));
  pendingCommand_ = command;
  pendingIndex_ = index;
  pendingBytes_ = 0;
  block_.fill(0);
  return {};
}

std::string CReportReceiver::OnPacket(const std::uint8_t* bytes, std::size_t length) {
  if (bytes == nullptr || length != kPacketSize)
    return Problem("packet of " + std::to_string(length) + " bytes");
  if (pendingCommand_ == 0) return Problem("packet without a block command");
  for (std::size_t i = 0; i < kPacketSize; ++i) block_[pendingBytes_ + i] = bytes[i];
  pendingBytes_ += kPacketSize;
  if (pendingBytes_ == kBlockSize) FinishBlock();
  return {};
}

void CReportReceiver::FinishBlock() {
  switch (pendingCommand_) {
    case kSettings:
      state_.profiles[pendingIndex_ - 1].settings = DecodeSettingsBlock(block_);
      if (!state_.profiles[pendingIndex_ - 1].settings.constantsOk)
        Problem("settings block of profile " + Hex(pendingIndex_) + " with wrong fixed bytes");
      break;
    case kButtonTable:
      state_.profiles[pendingIndex_ - 1].buttons = DecodeButtonTable(block_);
      state_.profiles[pendingIndex_ - 1].buttonsReceived = true;
      for (std::size_t i = 4 * kButtons; i < kBlockSize; ++i)
        if (block_[i] != 0) {
          Problem("button table of profile " + Hex(pendingIndex_) + " with a non-zero tail");
          break;
        }
      break;
    case kMacro:
      state_.macros[pendingIndex_ - 1] = DecodeMacroBlock(block_);
      if (!state_.macros[pendingIndex_ - 1].wellFormed)
        Problem("macro block of slot " + std::to_string(pendingIndex_) + " malformed");
      break;
  }
  pendingCommand_ = 0;
}

}  // namespace vmouse
