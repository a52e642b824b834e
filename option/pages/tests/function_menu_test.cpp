#include <gtest/gtest.h>

#include <cstring>

#include "option/pages/function_menu.h"
#include "option/pages/macro_choice.h"

namespace {

std::vector<unsigned> Commands(const std::vector<MenuEntry>& entries) {
  std::vector<unsigned> out;
  for (const MenuEntry& e : entries)
    if (e.kind == MenuEntry::Kind::Command) out.push_back(e.command);
  return out;
}

TEST(FunctionMenu, EntriesComeInTheirOrder) {
  MacroKeyInfo button{};
  const auto menu = BuildFunctionMenu(button, {});
  ASSERT_EQ(menu.size(), 5u + 10 + 2);
  EXPECT_EQ(menu[0].caption, 1021);
  ASSERT_EQ(menu[0].items.size(), 1u);  // no separator without stored macros
  EXPECT_EQ(menu[0].items[0].command, kCmdMacroManager);
  EXPECT_EQ(Commands(menu[1].items), (std::vector<unsigned>{1025, 1026, 1027, 1028, 1029, 1030, 1031, 1032}));
  EXPECT_EQ(menu[1].items[0].caption, 1032);
  EXPECT_EQ(Commands(menu[2].items), (std::vector<unsigned>{1018, 1019, 1020}));
  EXPECT_EQ(menu[2].caption, 1069);
  EXPECT_EQ(Commands(menu[3].items), (std::vector<unsigned>{1013, 1014, 1015}));
  EXPECT_EQ(menu[4].items.size(), 10u);
  EXPECT_EQ(menu[4].items.back().caption, 1050);
  EXPECT_EQ(Commands(menu), (std::vector<unsigned>{1001, 1002, 1003, 1004, 1005, 1006, 1007, 1008,
                                                   1009, 1010, 1017, 1021}));
  EXPECT_EQ(menu.back().caption, 1027);
}

TEST(FunctionMenu, StoredMacrosAreListedAndTheHeldOneChecked) {
  MacroKeyInfo button{};
  button.function = kFunctionMacro;
  std::strcpy(button.macroName, "Burst");
  const auto menu = BuildFunctionMenu(button, {"Reload", "Burst"});
  const auto& macros = menu[0].items;
  ASSERT_EQ(macros.size(), 4u);
  EXPECT_EQ(macros[1].kind, MenuEntry::Kind::Separator);
  EXPECT_EQ(macros[2].command, kCmdFirstMacro);
  EXPECT_EQ(macros[2].text, "Reload");
  EXPECT_FALSE(macros[2].checked);
  EXPECT_EQ(macros[3].command, kCmdFirstMacro + 1);
  EXPECT_TRUE(macros[3].checked);

  button.function = 2;  // same name left over, but no longer a macro
  EXPECT_FALSE(BuildFunctionMenu(button, {"Burst"})[0].items[2].checked);
}

TEST(FunctionMenu, CommandsGiveCodes) {
  EXPECT_EQ(FunctionCodeForCommand(1001), 1);
  EXPECT_EQ(FunctionCodeForCommand(1042), 42);
  EXPECT_EQ(FunctionCodeForCommand(1049), 0);
  EXPECT_EQ(FunctionCodeForCommand(1050), kFunctionMacro);
  EXPECT_EQ(FunctionCodeForCommand(1057), kFunctionMacro);
}

TEST(FunctionMenu, ThePrimaryClickMustStayOnSomeButton) {
  Profile p{};
  p.MacroKeyInfo[0].function = 1;
  p.MacroKeyInfo[1].function = 2;
  EXPECT_FALSE(KeepsPrimaryClick(p, 0, 2, 15));
  EXPECT_TRUE(KeepsPrimaryClick(p, 1, 1, 15));  // a second one first...
  p.MacroKeyInfo[1].function = 1;
  EXPECT_TRUE(KeepsPrimaryClick(p, 0, 2, 15));  // ...then the first may go
  // The main dialog only looks at buttons 0..14.
  Profile q{};
  q.MacroKeyInfo[15].function = 1;
  EXPECT_FALSE(KeepsPrimaryClick(q, 3, 7, 15));
  EXPECT_TRUE(KeepsPrimaryClick(q, 3, 7, 16));
}

TEST(FunctionMenu, StoringAFunctionClearsTheMacroCopyButKeepsTheRest) {
  MacroKeyInfo k{};
  k.function = kFunctionMacro;
  std::strcpy(k.macroName, "Burst");
  k.count = 3;
  k.data[5] = 7;
  k.repeat = 4;
  k.playMode = 2;
  std::strcpy(k.program, "a.exe");
  StoreFunction(k, 2);
  EXPECT_EQ(k.function, 2);
  EXPECT_EQ(k.count, 0);
  EXPECT_EQ(k.data[5], 0);
  EXPECT_EQ(k.macroName[0], 0);
  EXPECT_EQ(k.repeat, 4);
  EXPECT_EQ(k.playMode, 2);
  EXPECT_STREQ(k.program, "a.exe");

  k.count = 1;
  k.data[0] = 4;
  StoreFunction(k, kFunctionKey);
  EXPECT_EQ(k.count, 1);
  EXPECT_EQ(k.data[0], 4);
}

TEST(FunctionMenu, MacroCopyCutsLongNamesToTheSlot) {
  MacroRecord m{};
  std::memset(m.name, 'n', 40);
  m.count = 2;
  m.repeat = 9;
  m.events[1] = MacroEvent{0x04, kEventRelease, 300};
  MacroKeyInfo k{};
  std::memset(k.macroName, 'z', sizeof k.macroName);
  CopyMacroToSlot(m, k);
  EXPECT_EQ(std::string(k.macroName), std::string(24, 'n'));
  EXPECT_EQ(k.count, 2);
  EXPECT_EQ(k.repeat, 9);
  EXPECT_EQ(GetMacroEvent(k, 1).delay, 300);
}

TEST(FunctionMenu, KeyCombinationAndProgramPath) {
  MacroKeyInfo k{};
  std::strcpy(k.macroName, "old");
  StoreKeyCombination(k, 0x06, kModCtrl);
  EXPECT_EQ(k.count, 1);
  EXPECT_EQ(k.data[0], 0x06);
  EXPECT_EQ(k.data[1], kModCtrl);
  EXPECT_EQ(k.macroName[0], 0);

  EXPECT_TRUE(StoreProgramPath(k, "C:\\x.exe"));
  EXPECT_STREQ(k.program, "C:\\x.exe");
  EXPECT_TRUE(StoreProgramPath(k, std::string(259, 'p')));
  EXPECT_FALSE(StoreProgramPath(k, std::string(260, 'q')));  // would not fit with its NUL
  EXPECT_EQ(std::string(k.program), std::string(259, 'p'));
}

}  // namespace
