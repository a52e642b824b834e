#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "option/pages/launch_program_dialog_win32.h"
#include "option/pages/select_macro_dialog_win32.h"
#include "option/pages/select_player_dialog_win32.h"
#include "option/skin/skin_state.h"

namespace {

constexpr UINT kStepMessage = WM_APP + 77;
constexpr UINT_PTR kGiveUpTimer = 77;

// Runs a dialog modally and plays steps in it one after the other, each from
// the dialog's own message loop; a timer closes it should a step not end it.
template <class Dialog>
class CScripted : public Dialog {
 public:
  using Dialog::Dialog;
  std::vector<std::function<void(HWND)>> steps;
  bool closedByTimer = false;

 protected:
  void OnInitDialog() override {
    Dialog::OnInitDialog();
    SetTimer(this->Hwnd(), kGiveUpTimer, 5000, nullptr);
    PostMessageA(this->Hwnd(), kStepMessage, 0, 0);
  }
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override {
    if (msg == kStepMessage) {
      if (wp < steps.size()) {
        steps[wp](this->Hwnd());
        if (this->Hwnd()) PostMessageA(this->Hwnd(), kStepMessage, wp + 1, 0);
      }
      return 0;
    }
    if (msg == WM_TIMER && wp == kGiveUpTimer) {
      closedByTimer = true;
      PostMessageA(this->Hwnd(), WM_CLOSE, 0, 0);
      return 0;
    }
    return Dialog::HandleMessage(msg, wp, lp);
  }
};

// The dialog's controls in the order they were created.
HWND ChildAt(HWND dialog, size_t index) {
  std::vector<HWND> children;
  EnumChildWindows(
      dialog,
      [](HWND w, LPARAM p) {
        reinterpret_cast<std::vector<HWND>*>(p)->push_back(w);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&children));
  return index < children.size() ? children[index] : nullptr;
}

// What a skinned button sends its parent when clicked.
std::function<void(HWND)> Click(size_t index) {
  return [index](HWND d) {
    SendMessageA(d, WM_COMMAND, MAKEWPARAM(0, BN_CLICKED),
                 reinterpret_cast<LPARAM>(ChildAt(d, index)));
  };
}

std::function<void(HWND)> Choose(unsigned command) {
  return [command](HWND d) { SendMessageA(d, WM_COMMAND, command, 0); };
}

std::string TextOf(HWND w) {
  std::string text(static_cast<size_t>(GetWindowTextLengthA(w)) + 1, '\0');
  text.resize(static_cast<size_t>(GetWindowTextA(w, text.data(), static_cast<int>(text.size()))));
  return text;
}

class Choosers : public ::testing::Test {
 protected:
  void SetUp() override { SetSkinsFolder("C:\\no\\such\\skins\\"); }  // controls work without pictures
};

// Launch-program dialog controls: field, Browse, OK, Cancel, Cancel.
TEST_F(Choosers, LaunchProgramShowsPathAndReturnsFieldOnOk) {
  CScripted<CLaunchProgramDialog> d;
  d.path = "C:\\games\\old.exe";
  std::string shown;
  d.steps = {[&](HWND w) { shown = TextOf(ChildAt(w, 0)); },
             [](HWND w) { SetWindowTextA(ChildAt(w, 0), "D:\\new game\\run.exe"); }, Click(2)};
  EXPECT_EQ(d.DoModal(nullptr), IDOK);
  EXPECT_FALSE(d.closedByTimer);
  EXPECT_EQ(shown, "C:\\games\\old.exe");
  EXPECT_EQ(d.path, "D:\\new game\\run.exe");
}

TEST_F(Choosers, LaunchProgramCancelsKeepPath) {
  for (size_t cancel : {3u, 4u}) {
    CScripted<CLaunchProgramDialog> d;
    d.path = "keep.exe";
    d.steps = {[](HWND w) { SetWindowTextA(ChildAt(w, 0), "other.exe"); }, Click(cancel)};
    EXPECT_EQ(d.DoModal(nullptr), IDCANCEL);
    EXPECT_FALSE(d.closedByTimer);
    EXPECT_EQ(d.path, "keep.exe");
  }
}

TEST_F(Choosers, LaunchProgramStoresEmptyPathAsTyped) {
  CScripted<CLaunchProgramDialog> d;
  d.path = "was.exe";
  d.steps = {[](HWND w) { SetWindowTextA(ChildAt(w, 0), ""); }, Click(2)};
  EXPECT_EQ(d.DoModal(nullptr), IDOK);
  EXPECT_EQ(d.path, "");
}

TEST_F(Choosers, LaunchProgramRefusesPathLongerThanTheSlotKeeps) {
  CScripted<CLaunchProgramDialog> d;
  d.path = "keep.exe";
  bool stillOpen = false;
  d.steps = {[](HWND w) { SetWindowTextA(ChildAt(w, 0), std::string(300, 'p').c_str()); },
             Click(2), [&](HWND w) { stillOpen = IsWindow(w); }, Click(4)};
  EXPECT_EQ(d.DoModal(nullptr), IDCANCEL);
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(d.path, "keep.exe");
}

// Player chooser controls: drop-down, OK, Cancel, Cancel.
TEST_F(Choosers, PlayerMenuChoiceIsReturnedOnOk) {
  CScripted<CSelectPlayerDialog> d;
  d.player = 0;
  d.steps = {Choose(1004), Click(1)};
  EXPECT_EQ(d.DoModal(nullptr), IDOK);
  EXPECT_EQ(d.player, 3);
}

TEST_F(Choosers, PlayerTwoAndUnknownNumbersSurviveOkUntouched) {
  for (int start : {2, 9, -1}) {
    CScripted<CSelectPlayerDialog> d;
    d.player = start;
    d.steps = {Choose(1003), Click(1)};  // 1003 is not offered
    EXPECT_EQ(d.DoModal(nullptr), IDOK);
    EXPECT_EQ(d.player, start);
  }
}

TEST_F(Choosers, PlayerTwoCannotBeChosenAgain) {
  CScripted<CSelectPlayerDialog> d;
  d.player = 2;
  d.steps = {Choose(1002), Choose(1003), Click(1)};
  EXPECT_EQ(d.DoModal(nullptr), IDOK);
  EXPECT_EQ(d.player, 1);
}

TEST_F(Choosers, PlayerCancelButtonsAndCloseEndWithCancel) {
  for (size_t cancel : {2u, 3u}) {
    CScripted<CSelectPlayerDialog> d;
    d.steps = {Click(cancel)};
    EXPECT_EQ(d.DoModal(nullptr), IDCANCEL);
    EXPECT_FALSE(d.closedByTimer);
  }
  CScripted<CSelectPlayerDialog> d;
  d.steps = {[](HWND w) { PostMessageA(w, WM_CLOSE, 0, 0); }};
  EXPECT_EQ(d.DoModal(nullptr), IDCANCEL);
}

// Macro chooser controls: OK, Cancel, Cancel, drop-down, play modes 0..2.
class MacroChooser : public Choosers {
 protected:
  void SetUp() override {
    Choosers::SetUp();
    store_.Create("first");
    const int second = store_.Create("  second  ");
    MacroRecord* r = store_.Get(second);
    std::strcpy(r->name, "  second  ");
    r->repeat = 5;
    r->count = 2;
    r->events[0] = MacroEvent{4, kEventPress, 30};
    r->events[1] = MacroEvent{4, kEventRelease, 40};
    std::strcpy(scratch_.macroName, "old");
    scratch_.function = kFunctionMacro;
  }
  CMacroStore store_;
  MacroKeyInfo scratch_{};
};

TEST_F(MacroChooser, ChosenMacroGoesIntoScratchAndPositionOnOk) {
  CScripted<CSelectMacroDialog> d(store_, scratch_);
  d.position = 0;
  d.steps = {Choose(1101), Click(0)};
  EXPECT_EQ(d.DoModal(nullptr), IDOK);
  EXPECT_EQ(d.position, 1);
  EXPECT_STREQ(scratch_.macroName, "  second  ");
  EXPECT_EQ(scratch_.count, 2);
  EXPECT_EQ(scratch_.repeat, 5);
  EXPECT_EQ(GetMacroEvent(scratch_, 1).delay, 40);
  EXPECT_EQ(scratch_.function, kFunctionMacro);
}

TEST_F(MacroChooser, NoChoiceKeepsPreselectedPositionAndUnknownCommandsAreIgnored) {
  CScripted<CSelectMacroDialog> d(store_, scratch_);
  d.position = -1;
  d.steps = {Choose(1102), Choose(1099), Click(0)};
  EXPECT_EQ(d.DoModal(nullptr), IDOK);
  EXPECT_EQ(d.position, -1);
  EXPECT_STREQ(scratch_.macroName, "old");
}

TEST_F(MacroChooser, EmptyStoreReturnsPreselection) {
  CMacroStore empty;
  CScripted<CSelectMacroDialog> d(empty, scratch_);
  d.position = 3;
  d.steps = {Choose(1100), Click(0)};
  EXPECT_EQ(d.DoModal(nullptr), IDOK);
  EXPECT_EQ(d.position, 3);
}

TEST_F(MacroChooser, RadioButtonsSetPlayMode) {
  CScripted<CSelectMacroDialog> d(store_, scratch_);
  d.playMode = 2;
  d.steps = {Click(5), Click(0)};
  EXPECT_EQ(d.DoModal(nullptr), IDOK);
  EXPECT_EQ(d.playMode, 1);

  CScripted<CSelectMacroDialog> kept(store_, scratch_);
  kept.playMode = 2;
  kept.steps = {Click(0)};
  EXPECT_EQ(kept.DoModal(nullptr), IDOK);
  EXPECT_EQ(kept.playMode, 2);
}

TEST_F(MacroChooser, EnterEscAndSpaceDoNotCloseIt) {
  CScripted<CSelectMacroDialog> d(store_, scratch_);
  bool stillOpen = false;
  d.steps = {[](HWND w) {
               for (WPARAM key : {VK_RETURN, VK_ESCAPE, VK_SPACE}) {
                 for (HWND target : {w, ChildAt(w, 0), ChildAt(w, 1)}) {
                   SendMessageA(target, WM_KEYDOWN, key, 1);
                   SendMessageA(target, WM_KEYUP, key, 0xC0000001);
                 }
               }
             },
             [&](HWND w) { stillOpen = IsWindow(w); }, Click(2)};
  EXPECT_EQ(d.DoModal(nullptr), IDCANCEL);
  EXPECT_TRUE(stillOpen);
  EXPECT_FALSE(d.closedByTimer);
}

TEST_F(MacroChooser, CancelStillLeavesTheChoiceInScratch) {
  CScripted<CSelectMacroDialog> d(store_, scratch_);
  d.position = 0;
  d.steps = {Choose(1101), Click(1)};
  EXPECT_EQ(d.DoModal(nullptr), IDCANCEL);
  EXPECT_STREQ(scratch_.macroName, "  second  ");
}

}  // namespace
