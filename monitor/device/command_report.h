// The two kinds of output the mouse takes: 8-byte command reports with a
// checksum, and 128-byte blocks that go out as two 64-byte packets.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

inline constexpr std::size_t kBlockSize = 128;
using DeviceBlock = std::array<std::uint8_t, kBlockSize>;
using CommandReport = std::array<std::uint8_t, 8>;

// Command bytes of the device.
enum : std::uint8_t {
  kCmdOpenTransfer = 0x01,
  kCmdActivateProfile = 0x02,
  kCmdReportRate = 0x03,
  kCmdLevel = 0x04,
  kCmdSettingsBlock = 0x0C,
  kCmdButtonTable = 0x0D,
  kCmdMacroBlock = 0x0F,
};

// Bytes 0..2 as given, 3..6 zero, byte 7 the checksum that makes all eight
// bytes sum to 0xFF.
CommandReport MakeCommandReport(std::uint8_t command, std::uint8_t index, std::uint8_t value);

// Report interval of a PollingRate code: 0 -> 8, 1 -> 4, 2 -> 2, 3 -> 1,
// anything else -> 2.
std::uint8_t ReportInterval(int32_t pollingRate);

// The commands of a transfer; profiles are numbered from 0 here and from 1 on
// the device.
CommandReport OpenTransferCommand();
CommandReport ActivateProfileCommand(int32_t currentProfile);
CommandReport ReportRateCommand(int profile, int32_t pollingRate);
CommandReport LevelCommand(int profile, int32_t cpiStep);
CommandReport SettingsBlockCommand(int profile);
CommandReport ButtonTableCommand(int profile);
// slot = profile * 16 + button (0..79).
CommandReport MacroBlockCommand(int slot);
