// Recording and editing a macro, and the event list made from it.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "option/pages/event_lines.h"
#include "option/pages/event_list_menu.h"
#include "option/pages/macro_editor.h"
#include "settings/macro_store.h"

namespace {

constexpr int kA = 0x41, kB = 0x42, kShift = 0xA0;

class MacroEditorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    store.Create("First");
    editor.Load(0);
  }
  CMacroEditor::KeyOutcome Key(int vk, bool released, uint32_t at) {
    return editor.OnKey(vk, released, at, SystemKeyboardLayout());
  }
  const MacroRecord& Stored() { return *store.Get(0); }
  std::vector<std::string> Texts() {
    std::vector<std::string> out;
    for (const EventLine& l : BuildEventLines(editor.Events(), editor.Count(), SystemKeyboardLayout()))
      out.push_back(l.text);
    return out;
  }

  CMacroStore store;
  CMacroEditor editor{store};
};

TEST_F(MacroEditorTest, AHeldKeyGivesOnePressAndOneReleaseWithThePausesBetween) {
  editor.SetRecordDelays(true);
  editor.StartFresh();
  EXPECT_EQ(Key(kA, false, 1000), CMacroEditor::KeyOutcome::Recorded);
  EXPECT_EQ(Key(kA, false, 1030), CMacroEditor::KeyOutcome::Ignored);  // the keyboard's repeat
  EXPECT_EQ(Key(kA, false, 1060), CMacroEditor::KeyOutcome::Ignored);
  EXPECT_EQ(Key(kA, true, 1250), CMacroEditor::KeyOutcome::Recorded);
  EXPECT_EQ(Key(kB, false, 1250 + 70000), CMacroEditor::KeyOutcome::Recorded);
  editor.Stop();
  ASSERT_EQ(Stored().count, 3);
  EXPECT_EQ(Stored().events[0].code, 0x04);
  EXPECT_EQ(Stored().events[0].direction, kEventPress);
  EXPECT_EQ(Stored().events[0].delay, 250);  // from the press, not from a repeat
  EXPECT_EQ(Stored().events[1].direction, kEventRelease);
  EXPECT_EQ(Stored().events[1].delay, 65535);  // 70 s is more than a pause holds
  EXPECT_EQ(Stored().events[2].delay, 0);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"A", "250 ms", "A", "65535 ms", "B"}));

  // Without delays no pause is kept, and a new recording starts empty.
  editor.SetRecordDelays(false);
  editor.StartFresh();
  Key(kShift, false, 0);
  Key(kShift, true, 900);
  editor.Stop();
  EXPECT_EQ(Texts(), (std::vector<std::string>{"Left Shift", "Left Shift"}));
  EXPECT_EQ(Stored().events[0].delay, 0);
  EXPECT_EQ(Stored().events[2].code, 0);
}

TEST_F(MacroEditorTest, TheFortiethEventStopsTheRecordingAndStays) {
  editor.StartFresh();
  for (int i = 0; i < 19; ++i) {
    Key(kA + i, false, i);
    Key(kA + i, true, i);
  }
  EXPECT_EQ(Key(kB, false, 99), CMacroEditor::KeyOutcome::Recorded);
  EXPECT_EQ(Key(kB, true, 99), CMacroEditor::KeyOutcome::Full);
  EXPECT_EQ(Stored().count, 40);
  EXPECT_EQ(Stored().events[39].code, 0x05);
  EXPECT_EQ(Stored().events[39].direction, kEventRelease);
  editor.Stop();
  // Recording into a full macro takes nothing and stops at the first key.
  editor.StartInserting(3);
  EXPECT_EQ(Key(kA, false, 200), CMacroEditor::KeyOutcome::Full);
  EXPECT_EQ(Stored().events[3].code, 0x05);
  EXPECT_EQ(Stored().events[4].code, 0x06);
}

TEST_F(MacroEditorTest, RecordingBeforeAnEventInsertsThereAndTimesTheEventBefore) {
  editor.StartFresh();
  Key(kA, false, 0);
  Key(kA, true, 0);
  editor.Stop();
  editor.SetRecordDelays(true);
  editor.StartInserting(1);
  // The key that ended the last recording was a release of A: a new press of
  // A is a key of its own.
  Key(kA, false, 500);
  Key(kB, false, 800);
  editor.Stop();
  ASSERT_EQ(Stored().count, 4);
  EXPECT_EQ(Stored().events[0].delay, 0);  // the first key of a recording times nothing
  EXPECT_EQ(Stored().events[1].code, 0x04);
  EXPECT_EQ(Stored().events[1].delay, 300);
  EXPECT_EQ(Stored().events[2].code, 0x05);
  EXPECT_EQ(Stored().events[3].direction, kEventRelease);
  EXPECT_EQ(editor.LastRecorded(), 2);
}

TEST_F(MacroEditorTest, MenuEditsOfPausesEventsAndMouseButtons) {
  editor.StartFresh();
  Key(kA, false, 0);
  Key(kA, true, 0);
  editor.Stop();
  EXPECT_FALSE(editor.InsertPauseBefore(0));  // nothing before the first event
  EXPECT_TRUE(editor.InsertPauseBefore(1));
  EXPECT_FALSE(editor.InsertPauseBefore(1));  // already has one
  EXPECT_EQ(Texts(), (std::vector<std::string>{"A", "1 ms", "A"}));
  EXPECT_TRUE(editor.SetPause(0, 1500));
  EXPECT_EQ(Stored().events[0].delay, 1500);

  EXPECT_TRUE(editor.InsertMouse(1, 240, MouseAction::Click));
  EXPECT_TRUE(editor.InsertMouse(-1, 243, MouseAction::Release));
  EXPECT_EQ(Texts(), (std::vector<std::string>{"A", "1500 ms", "Left Down", "Left Up", "A", "Backward Up"}));
  const auto lines = BuildEventLines(editor.Events(), editor.Count(), SystemKeyboardLayout());
  EXPECT_EQ(lines[0].value, EventLineValue(0, kIconKeyDown));
  EXPECT_EQ(lines[1].value, EventLineValue(0, kIconPause));
  EXPECT_EQ(lines[2].value, EventLineValue(1, kIconMouse));
  EXPECT_EQ(lines[4].value, EventLineValue(3, kIconKeyUp));
  EXPECT_EQ(EventOfLine(lines[1].value), 0);
  EXPECT_EQ(LineOfEvent(editor.Events(), editor.Count(), 3), 4);

  EXPECT_TRUE(editor.DeleteEvent(1));
  EXPECT_TRUE(editor.SetPause(0, 0));
  EXPECT_EQ(Texts(), (std::vector<std::string>{"A", "Left Up", "A", "Backward Up"}));
  EXPECT_EQ(Stored().count, 4);

  while (editor.Count() < 39) editor.InsertMouse(-1, 241, MouseAction::Press);
  EXPECT_FALSE(editor.InsertMouse(0, 242, MouseAction::Click));  // needs two places
  EXPECT_TRUE(editor.InsertMouse(0, 242, MouseAction::Press));
  EXPECT_FALSE(editor.InsertMouse(0, 242, MouseAction::Release));
  EXPECT_EQ(Stored().count, 40);
}

TEST_F(MacroEditorTest, RepeatToggleAndCount) {
  EXPECT_EQ(editor.RepeatShown(), 1);  // a new macro has none
  EXPECT_FALSE(editor.RepeatOn());
  editor.SetRepeat(true, 3);
  EXPECT_EQ(Stored().repeat, 3);
  editor.SetRepeat(false, 3);
  EXPECT_EQ(Stored().repeat, 1);
  EXPECT_FALSE(editor.RepeatOn());
  editor.Load(5);  // no such macro: nothing to show or change
  EXPECT_FALSE(editor.HasMacro());
  editor.SetRepeat(true, 9);
  EXPECT_EQ(Stored().repeat, 1);
}

TEST(EventListText, TypedPausesAndRepeatCountsAreHeldInRange) {
  EXPECT_EQ(PauseFromText("0"), 1);
  EXPECT_EQ(PauseFromText(""), 1);
  EXPECT_EQ(PauseFromText("99999"), 65535);
  EXPECT_EQ(PauseFromText("99999999999999999999"), 65535);
  EXPECT_EQ(PauseFromText("1500 ms"), 1500);
  bool corrected = false;
  EXPECT_EQ(RepeatFromText("300", &corrected), 255);
  EXPECT_TRUE(corrected);
  EXPECT_EQ(RepeatFromText("30", &corrected), 30);
  EXPECT_FALSE(corrected);
  EXPECT_EQ(RepeatFromText("255", &corrected), 255);
  EXPECT_FALSE(corrected);
  EXPECT_EQ(RepeatFromText("0", &corrected), 1);
  EXPECT_TRUE(corrected);
}

TEST(EventListText, TheCaretKeepsTwoLinesInViewInsideTheList) {
  EXPECT_EQ(PlaceCaret(-1, 0).selected, -1);
  EXPECT_EQ(PlaceCaret(-1, 10).selected, 9);
  EXPECT_EQ(PlaceCaret(12, 10).selected, 9);
  EXPECT_EQ(PlaceCaret(5, 10).visible, 7);
  EXPECT_EQ(PlaceCaret(3, 10).visible, 3);
  EXPECT_EQ(PlaceCaret(6, 10).visible, 6);
}

TEST(EventListMenu, FiveMouseButtonsInTheMenusOrder) {
  const auto menu = BuildEventListMenu();
  ASSERT_EQ(menu.size(), 6u);
  EXPECT_EQ(menu[3].caption, 1058);
  EXPECT_EQ(menu[3].width, 100);
  ASSERT_EQ(menu[3].items.size(), 5u);
  EXPECT_EQ(menu[3].items[3].caption, 1062);
  EXPECT_EQ(menu[3].items[3].width, 40);
  EXPECT_EQ(menu[3].items[3].items[2].command, 1031u);
  EXPECT_EQ(menu[3].items[3].items[2].caption, 1066);
  EXPECT_EQ(MouseCommandOf(1031).code, 244);  // forward before back in the menu
  EXPECT_EQ(MouseCommandOf(1031).action, MouseAction::Click);
  EXPECT_EQ(MouseCommandOf(1032).code, 243);
  EXPECT_EQ(MouseCommandOf(1020).action, MouseAction::Press);
  EXPECT_EQ(MouseCommandOf(1035).code, 0);
  EXPECT_EQ(MouseCommandOf(1005).code, 0);
}

TEST(MacroList, TheButtonsMacroIsLookedForFromTheSecondLine) {
  MacroKeyInfo button{};
  EXPECT_EQ(InitialMacroLine({}, button), -1);
  EXPECT_EQ(InitialMacroLine({"a", "b"}, button), 0);
  button.function = kFunctionMacro;
  std::strcpy(button.macroName, "burst");
  EXPECT_EQ(InitialMacroLine({"Reload", "Burst"}, button), 1);
  EXPECT_EQ(InitialMacroLine({"Burst", "Burst2"}, button), 1);
  EXPECT_EQ(InitialMacroLine({"Burst", "Aim"}, button), 0);
  EXPECT_EQ(InitialMacroLine({"Aim", "Fire"}, button), 0);
}

}  // namespace
