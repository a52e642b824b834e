#include <gtest/gtest.h>

#include <cstring>

#include "option/pages/button_label.h"

namespace {

std::string Caption(int id) { return "cap" + std::to_string(id); }

MacroKeyInfo Slot(int code) {
  MacroKeyInfo k{};
  k.function = uint8_t(code);
  return k;
}

TEST(ButtonLabel, CaptionsFollowTheFunctionTable) {
  EXPECT_EQ(ButtonLabel(Slot(1), Caption), "cap1005");
  EXPECT_EQ(ButtonLabel(Slot(4), Caption), "cap1008");
  EXPECT_EQ(ButtonLabel(Slot(0), Caption), "cap1010");  // unassigned reads as "nothing"
  EXPECT_EQ(ButtonLabel(Slot(6), Caption), "cap1010");
  EXPECT_EQ(ButtonLabel(Slot(12), Caption), "cap1016");
  EXPECT_EQ(ButtonLabel(Slot(13), Caption), "cap1018");
  EXPECT_EQ(ButtonLabel(Slot(20), Caption), "cap1026");
  EXPECT_EQ(ButtonLabel(Slot(24), Caption), "cap1030");
  EXPECT_EQ(ButtonLabel(Slot(25), Caption), "cap1032");
  EXPECT_EQ(ButtonLabel(Slot(42), Caption), "cap1050");
  EXPECT_EQ(ButtonLabel(Slot(44), Caption), "cap1052");
  EXPECT_EQ(ButtonLabel(Slot(86), Caption), "cap1076");
  EXPECT_EQ(ButtonLabel(Slot(45), Caption), "");
  EXPECT_EQ(ButtonLabel(Slot(255), Caption), "");
}

TEST(ButtonLabel, KeyCombinationShowsPrefixesInFixedOrder) {
  MacroKeyInfo k = Slot(kFunctionKey);
  EXPECT_EQ(ButtonLabel(k, Caption), "");  // no key set yet
  k.count = 1;
  k.data[0] = 0x04;  // A
  k.data[1] = kModShift | kModCtrl | kModAlt;
  EXPECT_EQ(ButtonLabel(k, Caption), "Shift+Ctrl+Alt+A");
  k.data[1] |= kModPlainKey;
  EXPECT_EQ(ButtonLabel(k, Caption), "A");
}

TEST(ButtonLabel, MacroAndProgramShowTheirNames) {
  MacroKeyInfo k = Slot(kFunctionMacro);
  std::memcpy(k.macroName, "Reload", 6);
  EXPECT_EQ(ButtonLabel(k, Caption), "Reload");
  // A name filling the field without a terminator is still read safely.
  std::memset(k.macroName, 'x', sizeof k.macroName);
  EXPECT_EQ(ButtonLabel(k, Caption), std::string(25, 'x'));

  k = Slot(kFunctionProgram);
  std::strcpy(k.program, "C:\\Games\\Arena\\arena.exe");
  EXPECT_EQ(ButtonLabel(k, Caption), "arena.exe");
  std::strcpy(k.program, "notes.txt");
  EXPECT_EQ(ButtonLabel(k, Caption), "notes.txt");
}

}  // namespace
