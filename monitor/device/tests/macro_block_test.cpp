#include "monitor/device/macro_block.h"

#include <gtest/gtest.h>

#include "device_fixtures.h"

namespace {

MacroKeyInfo Recorded(int32_t repeat, std::vector<MacroEvent> events) {
  MacroKeyInfo k{};
  k.function = kFunctionMacro;
  k.repeat = repeat;
  k.count = static_cast<int16_t>(events.size());
  for (size_t i = 0; i < events.size(); ++i) SetMacroEvent(k, static_cast<int>(i), events[i]);
  return k;
}

// The used part of a block, and a check that the rest is zero.
std::string Used(const MacroBlock& m, size_t n) {
  for (size_t i = n; i < kBlockSize; ++i) EXPECT_EQ(m.bytes[i], 0) << "byte " << i;
  return Hex(m.bytes.data(), n);
}

TEST(MacroBlock, ShortcutPressesInOrderReleasesInReverse) {
  MacroBlock m;
  ASSERT_TRUE(EncodeShortcut(51, m));
  EXPECT_EQ(Used(m, 10), "00 01 01 E0 01 06 81 06 81 E0");
  EXPECT_EQ(m.events, 4);
  ASSERT_TRUE(EncodeShortcut(59, m));
  EXPECT_EQ(Used(m, 14), "00 01 01 E0 01 E1 01 16 81 16 81 E1 81 E0");
  EXPECT_EQ(m.events, 6);
  ASSERT_TRUE(EncodeShortcut(67, m));
  EXPECT_EQ(Used(m, 14), "00 01 01 E2 01 2C 01 1B 81 1B 81 2C 81 E2");
  ASSERT_TRUE(EncodeShortcut(85, m));
  EXPECT_EQ(Used(m, 10), "00 01 01 E3 01 0F 81 0F 81 E3");
  ASSERT_TRUE(EncodeShortcut(84, m));
  EXPECT_EQ(Used(m, 10), "00 01 01 E2 01 2B 81 2B 81 E2");
}

TEST(MacroBlock, EveryShortcutCodeAndNoOther) {
  int found = 0;
  for (int code = 0; code < 256; ++code) {
    MacroBlock m;
    if (!EncodeShortcut(static_cast<uint8_t>(code), m)) continue;
    ++found;
    EXPECT_TRUE((code >= 51 && code <= 61) || (code >= 64 && code <= 70) || code == 84 || code == 85);
    EXPECT_EQ(m.events, (code == 59 || code == 67 || code == 68) ? 6 : 4) << code;
  }
  EXPECT_EQ(found, 20);
}

TEST(MacroBlock, DelaysInShortAndLongForm) {
  const MacroBlock m = EncodeRecordedMacro(Recorded(0x0102, {
                                                                {0x04, kEventPress, 0},
                                                                {0x04, kEventRelease, 0},
                                                                {0xF0, kEventPress, 1270},
                                                                {0xF0, kEventRelease, 1270},
                                                                {0x05, kEventPress, 1280},
                                                                {0x05, kEventRelease, 1280},
                                                                {0x06, kEventPress, 300},
                                                            }));
  EXPECT_EQ(Used(m, 20),
            "01 02 01 04 81 04 7F F0 FF F0 01 05 19 02 81 05 19 02 1F 06");
  EXPECT_EQ(m.events, 7);
}

TEST(MacroBlock, DelayTooLongForTheLongFormIsClamped) {
  const MacroBlock m = EncodeRecordedMacro(Recorded(1, {{0x04, kEventPress, 12750},
                                                        {0x04, kEventRelease, 12800},
                                                        {0x05, kEventPress, 65535}}));
  EXPECT_EQ(Used(m, 14), "00 01 01 04 FF 02 81 04 FF 02 01 05 FF 02");
}

TEST(MacroBlock, NeverGrowsPastTheBlock) {
  std::vector<MacroEvent> events(kMacroEventCount, MacroEvent{0x04, kEventPress, 2000});
  const MacroBlock m = EncodeRecordedMacro(Recorded(1, events));
  // 63 pairs of room: 31 events of two pairs each, the 32nd no longer fits.
  EXPECT_EQ(m.events, 31);
  EXPECT_EQ(Hex(&m.bytes[122], 6), "01 04 28 02 00 00");

  // 23 long and 17 short events fill the block exactly.
  for (int i = 23; i < kMacroEventCount; ++i) events[i].delay = 10;
  const MacroBlock full = EncodeRecordedMacro(Recorded(1, events));
  EXPECT_EQ(full.events, 40);
  EXPECT_EQ(Hex(&full.bytes[124], 4), "01 04 01 04");
}

TEST(MacroBlock, CountOutsideItsRangeReadsNoFurther) {
  MacroKeyInfo k = Recorded(-1, {{0x04, kEventPress, 0}});
  k.count = -3;
  EXPECT_EQ(EncodeRecordedMacro(k).events, 0);
  EXPECT_EQ(Used(EncodeRecordedMacro(k), 2), "FF FF");
  k.count = 41;
  std::memset(k.program, 0x55, sizeof k.program);  // what lies after the events
  const MacroBlock m = EncodeRecordedMacro(k);
  EXPECT_EQ(m.events, 40);
  // The 40th event is the last one encoded.
  EXPECT_EQ(Hex(&m.bytes[80], 4), "81 00 00 00");
}

}  // namespace
