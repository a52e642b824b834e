#include "monitor/device/macro_block.h"

#include <algorithm>
#include <initializer_list>

namespace {

constexpr std::size_t kFirstPair = 2;
constexpr std::uint8_t kPressFlag = 0x01;
constexpr std::uint8_t kReleaseFlag = 0x81;
constexpr std::uint8_t kLongDelayMark = 0x02;
// Longest delay the short form carries, in tens of milliseconds.
constexpr int kShortDelayMax = 127;
// The long form counts 50 ms steps in one byte.
constexpr int kLongDelayMax = 255;

// HID keyboard usages of the shortcut keys.
enum : std::uint8_t {
  kCtrl = 0xE0, kShift = 0xE1, kAlt = 0xE2, kWin = 0xE3,
  kA = 0x04, kC = 0x06, kD = 0x07, kE = 0x08, kF = 0x09, kL = 0x0F, kN = 0x11,
  kO = 0x12, kP = 0x13, kR = 0x15, kS = 0x16, kV = 0x19, kX = 0x1B, kY = 0x1C,
  kZ = 0x1D, kTab = 0x2B, kSpace = 0x2C, kF4 = 0x3D,
};

struct Shortcut {
  std::uint8_t function;
  std::uint8_t keys[3];
  int keyCount;
};

constexpr Shortcut kShortcuts[] = {
    {51, {kCtrl, kC}, 2},          {52, {kCtrl, kX}, 2},         {53, {kCtrl, kN}, 2},
    {54, {kCtrl, kO}, 2},          {55, {kCtrl, kV}, 2},         {56, {kCtrl, kP}, 2},
    {57, {kCtrl, kY}, 2},          {58, {kCtrl, kS}, 2},         {59, {kCtrl, kShift, kS}, 3},
    {60, {kCtrl, kA}, 2},          {61, {kCtrl, kZ}, 2},         {64, {kAlt, kF4}, 2},
    {65, {kCtrl, kF}, 2},          {66, {kCtrl, kE}, 2},         {67, {kAlt, kSpace, kX}, 3},
    {68, {kAlt, kSpace, kN}, 3},   {69, {kWin, kD}, 2},          {70, {kWin, kR}, 2},
    {84, {kAlt, kTab}, 2},         {85, {kWin, kL}, 2},
};

// Appends (flag, code) pairs while they fit.
class CPairWriter {
 public:
  explicit CPairWriter(DeviceBlock& block) : block_(block) {}
  bool Fits(std::size_t pairs) const { return at_ + 2 * pairs <= block_.size(); }
  void Put(std::uint8_t flag, std::uint8_t code) {
    block_[at_++] = flag;
    block_[at_++] = code;
  }

 private:
  DeviceBlock& block_;
  std::size_t at_ = kFirstPair;
};

}  // namespace

MacroBlock EncodeRecordedMacro(const MacroKeyInfo& key) {
  MacroBlock out;
  const auto repeat = static_cast<uint32_t>(key.repeat);
  out.bytes[0] = static_cast<std::uint8_t>(repeat >> 8);
  out.bytes[1] = static_cast<std::uint8_t>(repeat);

  const int count = std::clamp<int>(key.count, 0, kMacroEventCount);
  CPairWriter pairs(out.bytes);
  for (int i = 0; i < count; ++i) {
    const MacroEvent e = GetMacroEvent(key, i);
    const std::uint8_t direction = e.direction == kEventPress ? kPressFlag : kReleaseFlag;
    const int tens = e.delay / 10;
    if (tens <= kShortDelayMax) {
      if (!pairs.Fits(1)) break;
      pairs.Put(static_cast<std::uint8_t>(tens | direction), e.code);
    } else {
      if (!pairs.Fits(2)) break;
      pairs.Put(direction, e.code);
      pairs.Put(static_cast<std::uint8_t>(std::min(e.delay / 50, kLongDelayMax)), kLongDelayMark);
    }
    ++out.events;
  }
  return out;
}

bool EncodeShortcut(std::uint8_t function, MacroBlock& out) {
  const auto* s = std::find_if(std::begin(kShortcuts), std::end(kShortcuts),
                               [&](const Shortcut& c) { return c.function == function; });
  if (s == std::end(kShortcuts)) return false;
  out = MacroBlock{};
  out.bytes[0] = 0x00;
  out.bytes[1] = 0x01;
  CPairWriter pairs(out.bytes);
  for (int i = 0; i < s->keyCount; ++i) pairs.Put(kPressFlag, s->keys[i]);
  for (int i = s->keyCount - 1; i >= 0; --i) pairs.Put(kReleaseFlag, s->keys[i]);
  out.events = 2 * s->keyCount;
  return true;
}
