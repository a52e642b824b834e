// The button page's menu and what its commands do to a profile's buttons.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "option/pages/button_assignment.h"
#include "option/pages/button_page_menu.h"
#include "settings/macro_store.h"

namespace {

std::vector<unsigned> Commands(const std::vector<MenuEntry>& entries) {
  std::vector<unsigned> out;
  for (const MenuEntry& e : entries)
    if (e.kind == MenuEntry::Kind::Command) out.push_back(e.command);
  return out;
}

TEST(ButtonPageMenu, OrderWidthsAndTheLastTwoButtons) {
  const auto menu = BuildButtonPageMenu(0);
  ASSERT_EQ(menu.size(), 5u + 12 + 2 + 2 + 2);
  EXPECT_EQ(menu[0].caption, 1021);
  ASSERT_EQ(menu[0].items.size(), 1u);
  EXPECT_EQ(menu[0].items[0].command, kCmdChooseMacro);
  EXPECT_EQ(menu[0].items[0].caption, 1071);
  EXPECT_EQ(menu[2].caption, 1069);
  EXPECT_EQ(menu[2].width, 129);
  EXPECT_EQ(menu[1].width, 120);
  EXPECT_EQ(Commands(menu[4].items).back(), 1042u);
  EXPECT_EQ(Commands(menu), (std::vector<unsigned>{1001, 1002, 1003, 1004, 1005, 1006, 1007, 1008, 1009,
                                                   1010, 1011, 1012, 1076, 1017, 1021, 1022, 1023, 1024}));
  EXPECT_EQ(menu[5 + 11].caption, 1016);
  EXPECT_EQ(Commands(BuildButtonPageMenu(13)), Commands(menu));
  for (int button : {14, 15})
    EXPECT_EQ(Commands(BuildButtonPageMenu(button)),
              (std::vector<unsigned>{1001, 1002, 1003, 1004, 1005, 1006, 1007, 1008, 1009, 1010, 1011, 1012,
                                     1076, 1017, 1023, 1024}));
}

TEST(ButtonPageMenu, CommandsGiveCodes) {
  EXPECT_EQ(ButtonPageCode(1001), 1);
  EXPECT_EQ(ButtonPageCode(1042), 42);
  EXPECT_EQ(ButtonPageCode(1050), kFunctionMacro);
  EXPECT_EQ(ButtonPageCode(1076), 86);
  EXPECT_EQ(ButtonPageCode(1049), 0);
  EXPECT_EQ(ButtonPageCode(1051), 0);
}

TEST(ButtonPageMenu, AMenuOpensAgainOnly200MsAfterTheLastClosed) {
  CMenuReopenGuard guard;
  EXPECT_TRUE(guard.MayOpen(5));
  guard.Closed(1000);
  EXPECT_FALSE(guard.MayOpen(1199));
  EXPECT_TRUE(guard.MayOpen(1200));
  guard.Closed(0xFFFFFFF0u);  // the tick counter wraps meanwhile
  EXPECT_FALSE(guard.MayOpen(100));
  EXPECT_TRUE(guard.MayOpen(200));
}

class CFakeDialogs : public CButtonPageDialogs {
 public:
  void WarnPrimaryClick() override { ++warnings; }
  bool ChooseProgram(std::string& path) override { return Answer(path, program); }
  bool ChoosePlayer(int& p) override { return Answer(p, player); }
  bool ChooseKeyCombination(uint8_t& usage, uint8_t& bits) override {
    usage = 0x0E;
    bits = kModCtrl;
    return ok;
  }
  void ManageMacros() override { ++managed; }
  bool ChooseMacro(MacroKeyInfo& scratch, int& position, int& playMode) override {
    seenScratch = scratch;
    seenPosition = position;
    if (chosenMacro >= 0) position = chosenMacro;
    playMode = 2;
    return ok;
  }

  bool ok = true;
  std::string program = "C:\\Games\\arena.exe";
  int player = 3;
  int chosenMacro = -1;
  int warnings = 0, managed = 0, seenPosition = -2;
  MacroKeyInfo seenScratch{};

 private:
  template <typename T>
  bool Answer(T& value, const T& answer) {
    if (ok) value = answer;
    return ok;
  }
};

class ButtonAssignmentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    set.CurrentProfile = 1;
    for (auto& p : set.Profiles) p.MacroKeyInfo[0].function = 1;
    store.Create("Reload");
    store.Create("Burst");
    MacroRecord& burst = *store.Get(1);
    burst.count = 2;
    burst.repeat = 3;
    burst.events[0] = MacroEvent{0x04, kEventPress, 150};
    burst.events[1] = MacroEvent{0x04, kEventRelease, 0};
  }
  bool Assign(int button, unsigned command) {
    return AssignButton(set, 1, button, command, store, scratch, dialogs);
  }
  MacroKeyInfo& Slot(int button) { return set.Profiles[1].MacroKeyInfo[button]; }

  ProfileSet set{};
  CMacroStore store;
  MacroKeyInfo scratch{};
  CFakeDialogs dialogs;
};

TEST_F(ButtonAssignmentTest, TheLastPrimaryClickCannotGoAndNothingElseChanges) {
  EXPECT_FALSE(Assign(0, 1002));
  EXPECT_FALSE(Assign(0, kCmdChooseMacro));  // a macro counts as something else
  EXPECT_FALSE(Assign(0, kCmdMacroManager));
  EXPECT_EQ(dialogs.warnings, 3);
  EXPECT_EQ(dialogs.managed, 0);
  EXPECT_EQ(Slot(0).function, 1);
  EXPECT_EQ(set.ButtonChanged[1][0], 0);
  // Button 16 holding the click too makes it possible.
  EXPECT_TRUE(Assign(15, 1001));
  EXPECT_TRUE(Assign(0, 1002));
  EXPECT_EQ(Slot(0).function, 2);
  EXPECT_EQ(set.ButtonChanged[1][0], 1);
  EXPECT_EQ(set.ButtonChanged[1][15], 1);
  EXPECT_EQ(set.ButtonChanged[0][0], 0);
}

TEST_F(ButtonAssignmentTest, DialogsGiveTheDataAndCancelLeavesTheButton) {
  EXPECT_TRUE(Assign(5, 1005));
  EXPECT_EQ(Slot(5).function, kFunctionKey);
  EXPECT_EQ(Slot(5).count, 1);
  EXPECT_EQ(Slot(5).data[0], 0x0E);
  EXPECT_EQ(Slot(5).data[1], kModCtrl);
  EXPECT_TRUE(Assign(6, 1017));
  EXPECT_STREQ(Slot(6).program, "C:\\Games\\arena.exe");
  EXPECT_TRUE(Assign(7, 1025));
  EXPECT_EQ(set.Profiles[1].MediaOption, 3);
  EXPECT_EQ(Slot(7).function, 25);
  EXPECT_TRUE(Assign(8, 1076));
  EXPECT_EQ(Slot(8).function, 86);

  dialogs.ok = false;
  const MacroKeyInfo before = Slot(5);
  for (unsigned command : {1005u, 1017u, 1025u, unsigned(kCmdChooseMacro)}) EXPECT_FALSE(Assign(5, command));
  EXPECT_EQ(std::memcmp(&before, &Slot(5), sizeof before), 0);
  EXPECT_EQ(set.Profiles[1].MediaOption, 3);
}

TEST_F(ButtonAssignmentTest, TheMacroChooserStartsFromThePushedStoreAndCopiesTheChoice) {
  Slot(3).function = kFunctionMacro;
  std::strcpy(Slot(3).macroName, "burst");
  Slot(3).playMode = 1;
  dialogs.chosenMacro = 1;
  EXPECT_TRUE(Assign(3, kCmdChooseMacro));
  EXPECT_EQ(dialogs.seenPosition, 1);  // found by name, case aside
  EXPECT_EQ(dialogs.seenScratch.count, 2);  // pushed before the chooser opened
  EXPECT_STREQ(Slot(3).macroName, "Burst");
  EXPECT_EQ(Slot(3).repeat, 3);
  EXPECT_EQ(Slot(3).playMode, 2);
  EXPECT_EQ(GetMacroEvent(Slot(3), 0).delay, 150);

  // Another code takes the macro copy away; OK with no macro at all changes nothing.
  EXPECT_TRUE(Assign(3, 1002));
  EXPECT_EQ(Slot(3).count, 0);
  EXPECT_EQ(Slot(3).macroName[0], 0);
  EXPECT_EQ(Slot(3).data[0], 0);
  dialogs.chosenMacro = -1;
  EXPECT_FALSE(Assign(3, kCmdChooseMacro));
  EXPECT_EQ(Slot(3).function, 2);
}

TEST_F(ButtonAssignmentTest, TheMacroManagerChangesNoCode) {
  Slot(4).function = 9;
  EXPECT_FALSE(Assign(4, kCmdMacroManager));
  EXPECT_EQ(dialogs.managed, 1);
  EXPECT_EQ(Slot(4).function, 9);
}

}  // namespace
