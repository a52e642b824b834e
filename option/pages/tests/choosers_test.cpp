#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "option/pages/macro_choice.h"
#include "option/pages/player_choice.h"
#include "option/pages/program_path.h"

TEST(PlayerChoice, NamesCoverZeroToThreeOnly) {
  EXPECT_EQ(PlayerName(0), "Windows Media player");
  EXPECT_EQ(PlayerName(1), "iTunes");
  EXPECT_EQ(PlayerName(2), "Real Player");
  EXPECT_EQ(PlayerName(3), "Winamp");
  EXPECT_EQ(PlayerName(-1), "");
  EXPECT_EQ(PlayerName(4), "");
  EXPECT_EQ(PlayerName(1 << 30), "");
}

TEST(PlayerChoice, MenuOffersAllButRealPlayer) {
  const auto menu = PlayerMenuEntries();
  ASSERT_EQ(menu.size(), 3u);
  EXPECT_EQ(menu[0].command, 1001u);
  EXPECT_EQ(menu[1].command, 1002u);
  EXPECT_EQ(menu[2].command, 1004u);
  for (const auto& e : menu) EXPECT_EQ(PlayerFromCommand(e.command), e.player);
  EXPECT_EQ(PlayerFromCommand(1003), -1);  // player 2 can't be chosen again
  EXPECT_EQ(PlayerFromCommand(1000), -1);
  EXPECT_EQ(PlayerFromCommand(1100), -1);
}

namespace {

MacroRecord Record(const char* name, int count, int repeat) {
  MacroRecord r{};
  std::strncpy(r.name, name, sizeof r.name - 1);
  r.count = count;
  r.repeat = repeat;
  for (int i = 0; i < kMacroEventCount; ++i)
    r.events[i] = MacroEvent{static_cast<uint8_t>(i + 4), kEventPress, static_cast<uint16_t>(i)};
  return r;
}

}  // namespace

TEST(MacroChoice, CommandsMapToPositionsInRange) {
  EXPECT_EQ(MacroFromCommand(1100, 3), 0);
  EXPECT_EQ(MacroFromCommand(1102, 3), 2);
  EXPECT_EQ(MacroFromCommand(1103, 3), -1);
  EXPECT_EQ(MacroFromCommand(1099, 3), -1);
  EXPECT_EQ(MacroFromCommand(1100, 0), -1);
  EXPECT_EQ(MacroFromCommand(1001, 5), -1);
}

TEST(MacroChoice, NamesLoseSurroundingBlanks) {
  EXPECT_EQ(TrimmedMacroName(Record("  fire  ", 0, 0)), "fire");
  EXPECT_EQ(TrimmedMacroName(Record("two words", 0, 0)), "two words");
  EXPECT_EQ(TrimmedMacroName(Record("   ", 0, 0)), "");
  MacroRecord full{};
  std::memset(full.name, 'x', sizeof full.name);  // unterminated: stays within the field
  EXPECT_EQ(TrimmedMacroName(full), std::string(sizeof full.name, 'x'));
}

TEST(MacroChoice, CopyFillsNameCountEventsAndRepeatOnly) {
  MacroKeyInfo slot{};
  slot.button = 7;
  slot.function = kFunctionMacro;
  slot.playMode = 2;
  std::strcpy(slot.program, "keep");
  std::strcpy(slot.macroName, "a much longer old name!");
  CopyMacroToSlot(Record("burst", 12, 3), slot);
  EXPECT_STREQ(slot.macroName, "burst");
  EXPECT_EQ(slot.count, 12);
  EXPECT_EQ(slot.repeat, 3);
  EXPECT_EQ(GetMacroEvent(slot, 0).code, 4);
  EXPECT_EQ(GetMacroEvent(slot, 39).code, 43);  // all 160 bytes, not just count events
  EXPECT_EQ(GetMacroEvent(slot, 39).delay, 39);
  EXPECT_EQ(slot.button, 7);
  EXPECT_EQ(slot.function, kFunctionMacro);
  EXPECT_EQ(slot.playMode, 2);
  EXPECT_STREQ(slot.program, "keep");
}

TEST(MacroChoice, CopyKeepsSlotFieldsWithinBounds) {
  MacroKeyInfo slot{};
  MacroRecord r = Record("", 99, 0);
  std::memset(r.name, 'n', sizeof r.name);  // longer than the slot and unterminated
  CopyMacroToSlot(r, slot);
  EXPECT_EQ(std::strlen(slot.macroName), 24u);
  EXPECT_EQ(slot.count, 40);
  CopyMacroToSlot(Record("neg", -5, 0), slot);
  EXPECT_EQ(slot.count, 0);
}

TEST(ProgramPath, FitsOnlyWithRoomForTheTerminator) {
  EXPECT_TRUE(FitsProgramField(""));
  EXPECT_TRUE(FitsProgramField(std::string(259, 'a')));
  EXPECT_FALSE(FitsProgramField(std::string(260, 'a')));
  EXPECT_FALSE(FitsProgramField(std::string("C:\\a\0b", 6)));
}
