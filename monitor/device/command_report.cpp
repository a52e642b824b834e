#include "monitor/device/command_report.h"

namespace {
constexpr std::uint8_t kBlockFollows = 0x80;

std::uint8_t DeviceNumber(int32_t index) {
  return static_cast<std::uint8_t>(static_cast<uint32_t>(index) + 1u);
}
}  // namespace

CommandReport MakeCommandReport(std::uint8_t command, std::uint8_t index, std::uint8_t value) {
  CommandReport r{command, index, value, 0, 0, 0, 0, 0};
  unsigned sum = 0;
  for (std::size_t i = 0; i < 7; ++i) sum += r[i];
  r[7] = static_cast<std::uint8_t>(0xFFu - (sum & 0xFFu));
  return r;
}

std::uint8_t ReportInterval(int32_t pollingRate) {
  switch (pollingRate) {
    case 0: return 8;
    case 1: return 4;
    case 3: return 1;
    default: return 2;
  }
}

CommandReport OpenTransferCommand() { return MakeCommandReport(kCmdOpenTransfer, 0x88, 0x02); }

CommandReport ActivateProfileCommand(int32_t currentProfile) {
  return MakeCommandReport(kCmdActivateProfile, DeviceNumber(currentProfile), 0);
}

CommandReport ReportRateCommand(int profile, int32_t pollingRate) {
  return MakeCommandReport(kCmdReportRate, DeviceNumber(profile), ReportInterval(pollingRate));
}

CommandReport LevelCommand(int profile, int32_t cpiStep) {
  return MakeCommandReport(kCmdLevel, DeviceNumber(profile), DeviceNumber(cpiStep));
}

CommandReport SettingsBlockCommand(int profile) {
  return MakeCommandReport(kCmdSettingsBlock, DeviceNumber(profile), kBlockFollows);
}

CommandReport ButtonTableCommand(int profile) {
  return MakeCommandReport(kCmdButtonTable, DeviceNumber(profile), kBlockFollows);
}

CommandReport MacroBlockCommand(int slot) {
  return MakeCommandReport(kCmdMacroBlock, DeviceNumber(slot), kBlockFollows);
}
