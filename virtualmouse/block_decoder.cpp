#include "virtualmouse/block_decoder.h"

#include <cstddef>

namespace vmouse {
namespace {

struct FixedRun {
  std::size_t offset;
  std::vector<std::uint8_t> bytes;
};

// The bytes of a settings block that never change; the mouse checks them.
const std::vector<FixedRun>& FixedSettingsBytes() {
  static const std::vector<FixedRun> runs = [] {
    std::vector<FixedRun> r;
    r.push_back({0, {0xFF, 0xFF}});
    r.push_back({2, std::vector<std::uint8_t>(46, 0)});
    r.push_back({48, {0x35, 0xD4, 0x0B, 0x04}});
    r.push_back({52, std::vector<std::uint8_t>(9, 0)});
    r.push_back({61, {0x80, 0x03, 0x00, 0x0F, 0x00, 0x0A, 0x0A, 0x19, 0x19, 0x05}});
    r.push_back({76, {0x01, 0xC0, 0xF0, 0x03, 0x01, 0x01, 0x64, 0x00}});
    r.push_back({89, {0x07, 0x07, 0x07}});
    r.push_back({97, {0x07, 0x07, 0x07, 0x7F, 0xFF, 0xFF, 0xFF}});
    return r;
  }();
  return runs;
}

constexpr std::size_t kLevelTable = 84;
constexpr std::size_t kSecondLevelTable = 92;
constexpr std::size_t kColourTable = 104;
constexpr std::uint8_t kLongDelayMarker = 0x02;

}  // namespace

int LevelFromCode(std::uint8_t code) {
  if (code >= 0x01 && code <= 0x08) return code;
  if (code >= 0x15 && code <= 0x18) return code - 0x15 + 9;
  return 0;
}

DeviceSettings DecodeSettingsBlock(const Block& block) {
  DeviceSettings s;
  s.received = true;
  for (const FixedRun& run : FixedSettingsBytes())
    for (std::size_t i = 0; i < run.bytes.size(); ++i)
      if (block[run.offset + i] != run.bytes[i]) s.constantsOk = false;
  s.lighting = {block[71], block[72], block[73]};
  s.sensitivityX = block[74] / 10;
  s.sensitivityY = block[75] / 10;
  for (int i = 0; i < kLevels; ++i) {
    s.levels[i] = LevelFromCode(block[kLevelTable + i]);
    s.secondLevels[i] = LevelFromCode(block[kSecondLevelTable + i]);
  }
  for (int k = 0; k < kColours; ++k) {
    const std::size_t at = kColourTable + 3 * k;
    s.colours[k] = {block[at], block[at + 1], block[at + 2]};
  }
  return s;
}

std::array<ButtonCode, kButtons> DecodeButtonTable(const Block& block) {
  std::array<ButtonCode, kButtons> codes{};
  for (int b = 0; b < kButtons; ++b)
    for (int i = 0; i < 4; ++i) codes[b][i] = block[4 * b + i];
  return codes;
}

// Pairs of (flag, code) from byte 2 on. Bit 0 of an event's flag is always
// set, bit 7 marks a release and bits 1..6 carry the pause in 10 ms units. A
// pair (n, 0x02) right after an event replaces that event's pause by n x 50 ms.
// A zero pair ends the list.
DeviceMacro DecodeMacroBlock(const Block& block) {
  DeviceMacro m;
  m.present = true;
  m.repeat = block[0] << 8 | block[1];
  for (std::size_t at = 2; at + 1 < kBlockSize; at += 2) {
    const std::uint8_t flag = block[at], code = block[at + 1];
    if (flag == 0 && code == 0) break;
    if (code == kLongDelayMarker && !m.steps.empty()) {
      m.steps.back().delayMs = flag * 50;
      continue;
    }
    if ((flag & 0x01) == 0 || code == kLongDelayMarker) {
      m.wellFormed = false;
      break;
    }
    m.steps.push_back({(flag & 0x80) == 0, code, (flag & 0x7E) * 10});
  }
  return m;
}

}  // namespace vmouse
