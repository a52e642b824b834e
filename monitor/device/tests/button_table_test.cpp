#include "monitor/device/button_table.h"

#include <gtest/gtest.h>

#include "device_fixtures.h"

namespace {

class ButtonTable : public ::testing::Test {
 protected:
  std::unique_ptr<ProfileSet> set = MakeDefaultSet();
  std::unique_ptr<MacroStaging> staging = std::make_unique<MacroStaging>();
  MacroKeyInfo& Key(int p, int b) { return set->Profiles[p].MacroKeyInfo[b]; }
  std::string Code(int p, int b) {
    const DeviceCode c = EncodeButton(set->Profiles[p], p, b, *staging);
    return Hex(c.data(), c.size());
  }
  std::string CodeOf(uint8_t function, int p = 0, int b = 0) {
    Key(p, b).function = function;
    return Code(p, b);
  }
};

TEST_F(ButtonTable, DefaultProfileByteForByte) {
  const DeviceBlock t = BuildButtonTable(set->Profiles[2], 2, *staging);
  EXPECT_EQ(Hex(t.data(), 64),
            "01 00 F0 00 01 00 F1 00 01 00 F2 00 01 00 F4 00 01 00 F3 00 07 00 03 00 "
            "0B 08 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
            "00 00 00 00 00 00 00 00 04 00 01 00 04 00 02 00");
  for (size_t i = 64; i < kBlockSize; ++i) EXPECT_EQ(t[i], 0);
  for (bool present : staging->present) EXPECT_FALSE(present);
}

TEST_F(ButtonTable, TableRowsByKind) {
  EXPECT_EQ(CodeOf(6), "00 00 00 00");
  EXPECT_EQ(CodeOf(23), "00 08 00 00");
  EXPECT_EQ(CodeOf(25), "03 00 83 01");
  EXPECT_EQ(CodeOf(28), "03 00 CD 00");
  EXPECT_EQ(CodeOf(42), "03 00 21 02");
  EXPECT_EQ(CodeOf(12), "04 00 03 00");
  EXPECT_EQ(CodeOf(83), "05 00 03 00");
  EXPECT_EQ(CodeOf(24), "06 00 A0 00");
  EXPECT_EQ(CodeOf(14), "07 00 01 00");
  EXPECT_EQ(CodeOf(18), "08 00 03 00");
  EXPECT_EQ(CodeOf(4), "0A F0 32 02");
  EXPECT_EQ(CodeOf(80), "0A F0 32 03");
  EXPECT_EQ(CodeOf(21), "0A F0 10 00");
  EXPECT_EQ(CodeOf(86), "0B 08 00 00");
  // Codes the table doesn't list.
  EXPECT_EQ(CodeOf(0), "00 00 00 00");
  EXPECT_EQ(CodeOf(43), "00 00 00 00");
  EXPECT_EQ(CodeOf(255), "00 00 00 00");
}

TEST_F(ButtonTable, KeyCombinationTakesKeyAndModifiers) {
  Key(0, 3).function = kFunctionKey;
  Key(0, 3).data[0] = 0x06;  // C
  Key(0, 3).data[1] = kModCtrl | kModShift;
  EXPECT_EQ(Code(0, 3), "00 03 06 00");
  Key(0, 3).data[1] = kModWin;
  EXPECT_EQ(Code(0, 3), "00 08 06 00");
  // A plain key carries no modifiers, whatever the other bits hold.
  Key(0, 3).data[1] = kModPlainKey | kModAlt;
  EXPECT_EQ(Code(0, 3), "00 00 06 00");
}

TEST_F(ButtonTable, ProgramAndOtgAdjustments) {
  EXPECT_EQ(CodeOf(kFunctionProgram, 1, 9), "06 00 0A 0A");
  set->Profiles[4].OTGSpeed = 0x1234;
  EXPECT_EQ(CodeOf(22, 4, 0), "0A 01 34 34");
}

TEST_F(ButtonTable, DeviceMacrosAreStagedInTheirSlot) {
  EXPECT_EQ(CodeOf(51, 2, 5), "09 00 26 04");  // slot 2 * 16 + 5, sent as 38
  ASSERT_TRUE(staging->present[37]);
  EXPECT_EQ(Hex(staging->blocks[37].data(), 10), "00 01 01 E0 01 06 81 06 81 E0");
  EXPECT_EQ(CodeOf(67, 4, 15), "09 00 50 06");
  EXPECT_TRUE(staging->present[79]);

  MacroKeyInfo& k = Key(1, 0);
  k.function = kFunctionMacro;
  k.playMode = 0x102;
  k.repeat = 3;
  k.count = 2;
  SetMacroEvent(k, 0, {0x04, kEventPress, 0});
  SetMacroEvent(k, 1, {0x04, kEventRelease, 0});
  EXPECT_EQ(Code(1, 0), "09 02 11 02");
  EXPECT_EQ(Hex(staging->blocks[16].data(), 8), "00 03 01 04 81 04 00 00");

  int present = 0;
  for (bool p : staging->present) present += p;
  EXPECT_EQ(present, 3);
  staging->Clear();
  for (bool p : staging->present) EXPECT_FALSE(p);
  EXPECT_EQ(staging->blocks[37][1], 0);
}

TEST_F(ButtonTable, AnnouncedEventsMatchATruncatedBlock) {
  MacroKeyInfo& k = Key(0, 1);
  k.function = kFunctionMacro;
  k.count = kMacroEventCount;
  for (int i = 0; i < kMacroEventCount; ++i) SetMacroEvent(k, i, {0x04, kEventPress, 5000});
  EXPECT_EQ(Code(0, 1), "09 00 02 1F");
}

}  // namespace
