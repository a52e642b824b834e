#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "option/pages/profile_name_dialog_win32.h"
#include "option/pages/shortcut_dialog_win32.h"
#include "option/skin/skin_state.h"
#include "option/skin/tests/test_skin_files.h"
#include "settings/key_table.h"
#include "settings/system_names.h"

namespace {

// Runs the steps one per timer tick inside the dialog's own modal loop, so
// each step sees what the previous one caused (posted messages, hook calls).
class CScript {
 public:
  explicit CScript(std::vector<std::function<void()>> steps) : steps_(std::move(steps)) {
    current_ = this;
    timer_ = SetTimer(nullptr, 0, 60, OnTick);
  }
  ~CScript() {
    KillTimer(nullptr, timer_);
    current_ = nullptr;
  }
  bool Finished() const { return next_ == steps_.size(); }

 private:
  static void CALLBACK OnTick(HWND, UINT, UINT_PTR, DWORD) {
    CScript* s = current_;
    if (!s || s->Finished()) return;
    s->steps_[s->next_++]();
  }
  static inline CScript* current_ = nullptr;
  std::vector<std::function<void()>> steps_;
  size_t next_ = 0;
  UINT_PTR timer_ = 0;
};

std::string TextOf(HWND w) {
  char buffer[1024] = {};
  GetWindowTextA(w, buffer, sizeof buffer);
  return buffer;
}

// Clicks a skin button (given a usable size first, whatever the skin says).
void Click(HWND button) {
  SetWindowPos(button, nullptr, 0, 0, 20, 20, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
}

void TypeInto(HWND field, const std::string& text) {
  for (char c : text) SendMessageA(field, WM_CHAR, static_cast<unsigned char>(c), 1);
}

void PressKey(WORD vk, bool release) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = vk;
  in.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &in, sizeof in);
}

int UsageOf(int vk) {
  int usage = 0;
  VirtualKeyToUsage(vk, usage);
  return usage;
}

class SmallDialogs : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    const auto dir = testskin::FreshFolder("osprey_small_dialogs_skins");
    testskin::WriteFlatSkin(dir, "skin_shortcut.ini", 340, 232, 0,
                            "10=key,20,64,300,24,\r\n2=ok,136,192,88,28,\r\n"
                            "3=cancel,232,192,88,28,\r\n4=close,312,4,24,22,\r\n"
                            "5=plain,20,120,130,26,\r\n6=shift,20,152,72,26,\r\n"
                            "7=ctrl,98,152,68,26,\r\n8=alt,172,152,62,26,\r\n"
                            "9=win,240,152,80,26,\r\n");
    testskin::WriteFlatSkin(dir, "skin_profile.ini", 380, 220, 0,
                            "1=name,20,66,340,22,\r\n2=program,20,120,252,22,\r\n"
                            "3=browse,282,118,78,26,\r\n4=ok,176,172,88,28,\r\n"
                            "5=cancel,272,172,88,28,\r\n6=close,352,4,24,22,\r\n");
    SetSkinsFolder(dir.string() + "\\");
  }
};

}  // namespace

TEST_F(SmallDialogs, ShortcutShowsTheCurrentKeyAndTitle) {
  CShortcutDialog d;
  d.keyCode = static_cast<uint8_t>(UsageOf('A'));
  std::string shown, title;
  CScript script({[&] {
    shown = TextOf(d.KeyDisplay());
    title = TextOf(d.Hwnd());
    EXPECT_TRUE(d.HookInstalled());
    PostMessageA(d.Hwnd(), WM_CLOSE, 0, 0);
  }});
  EXPECT_EQ(d.DoModal(nullptr), IDCANCEL);
  EXPECT_TRUE(script.Finished());
  EXPECT_EQ(shown, KeyName('A'));
  EXPECT_EQ(title, names::kShortcutDialogTitle);
  EXPECT_EQ(d.keyCode, UsageOf('A'));  // nothing captured: the key stays
}

TEST_F(SmallDialogs, HookCapturesRealKeysAndTheLastEventDecides) {
  CShortcutDialog d;
  std::string afterC, afterCtrl;
  int codeAfterC = -1;
  CScript script({[] { PressKey(VK_LCONTROL, false); }, [] { PressKey('C', false); },
                  [] { PressKey('C', true); },
                  [&] {
                    afterC = TextOf(d.KeyDisplay());
                    codeAfterC = d.keyCode;
                    PressKey(VK_LCONTROL, true);  // the modifier released last
                  },
                  [&] {
                    afterCtrl = TextOf(d.KeyDisplay());
                    Click(d.OkHwnd());
                  }});
  ASSERT_EQ(d.DoModal(nullptr), IDOK);
  EXPECT_TRUE(script.Finished());
  EXPECT_EQ(codeAfterC, UsageOf('C'));
  EXPECT_EQ(afterC, KeyName('C'));
  EXPECT_EQ(afterCtrl, KeyName(VK_LCONTROL));
  EXPECT_EQ(d.keyCode, UsageOf(VK_LCONTROL));
}

TEST_F(SmallDialogs, HookMessageStoresKeyAndUnknownKeysGiveZero) {
  CShortcutDialog d;
  std::string unknownName;
  int unknownCode = -1;
  CScript script({[&] { PostMessageA(d.Hwnd(), MSG_HOOK_KEY, VK_F24, 0); },
                  [&] {
                    unknownName = TextOf(d.KeyDisplay());
                    unknownCode = d.keyCode;
                    PostMessageA(d.Hwnd(), MSG_HOOK_KEY, 'Z', 0x80);
                  },
                  [&] { Click(d.OkHwnd()); }});
  ASSERT_EQ(d.DoModal(nullptr), IDOK);
  if (UsageOf(VK_F24) == 0) {
    EXPECT_EQ(unknownCode, 0);
    EXPECT_EQ(unknownName, KeyName(VK_F24));
  }
  EXPECT_EQ(d.keyCode, UsageOf('Z'));
}

TEST_F(SmallDialogs, KeyAloneGreysTheModifierToggles) {
  CShortcutDialog d;
  d.options[2] = true;  // Ctrl
  std::vector<bool> enabledBefore, enabledAfter;
  CScript script({[&] {
    for (int i = 0; i < 5; ++i) enabledBefore.push_back(IsWindowEnabled(d.ToggleHwnd(i)));
    Click(d.ToggleHwnd(1));  // Shift on
    Click(d.ToggleHwnd(0));  // key alone on
    for (int i = 0; i < 5; ++i) enabledAfter.push_back(IsWindowEnabled(d.ToggleHwnd(i)));
    Click(d.OkHwnd());
  }});
  ASSERT_EQ(d.DoModal(nullptr), IDOK);
  EXPECT_EQ(enabledBefore, std::vector<bool>(5, true));
  EXPECT_EQ(enabledAfter, (std::vector<bool>{true, false, false, false, false}));
  EXPECT_TRUE(d.options[0]);
  EXPECT_TRUE(d.options[1]);  // kept, though it doesn't count
  EXPECT_TRUE(d.options[2]);
  EXPECT_EQ(ShortcutModifierBits(d.options), 0x01);
}

TEST_F(SmallDialogs, ShortcutStartsGreyedWhenKeyAloneIsOn) {
  CShortcutDialog d;
  d.options[0] = true;
  bool shiftEnabled = true;
  CScript script({[&] {
    shiftEnabled = IsWindowEnabled(d.ToggleHwnd(1));
    PostMessageA(d.Hwnd(), WM_CLOSE, 0, 0);
  }});
  EXPECT_EQ(d.DoModal(nullptr), IDCANCEL);
  EXPECT_FALSE(shiftEnabled);
}

TEST_F(SmallDialogs, ProfileEditingShowsTheFieldsAndOkStoresThem) {
  Profile p{};
  std::strcpy(p.ProFileName, "Arena");
  std::strcpy(p.GameFile, "C:\\Games\\arena.exe");
  CProfileNameDialog d(p, CProfileNameDialog::kEditing);
  std::string name, program;
  CScript script({[&] {
    name = TextOf(d.NameField());
    program = TextOf(d.ProgramField());
    SetWindowTextA(d.NameField(), "");
    TypeInto(d.NameField(), "Racing game number one!!");  // 24 letters: the 21st is refused
    SetWindowTextA(d.ProgramField(), "D:\\race.exe");
    Click(d.OkHwnd());
  }});
  ASSERT_EQ(d.DoModal(nullptr), IDOK);
  EXPECT_EQ(name, "Arena");
  EXPECT_EQ(program, "C:\\Games\\arena.exe");
  EXPECT_STREQ(p.ProFileName, "Racing game number o");
  EXPECT_STREQ(p.GameFile, "D:\\race.exe");
  EXPECT_TRUE(d.ProgramStored());
}

TEST_F(SmallDialogs, ProfileBlankStartsEmptyAndOkStoresEmptyStrings) {
  Profile p{};
  std::strcpy(p.ProFileName, "Arena");
  std::strcpy(p.GameFile, "C:\\Games\\arena.exe");
  CProfileNameDialog d(p, CProfileNameDialog::kBlank);
  std::string name = "?", program = "?";
  CScript script({[&] {
    name = TextOf(d.NameField());
    program = TextOf(d.ProgramField());
    Click(d.OkHwnd());
  }});
  ASSERT_EQ(d.DoModal(nullptr), IDOK);
  EXPECT_EQ(name, "");
  EXPECT_EQ(program, "");
  EXPECT_STREQ(p.ProFileName, "");
  EXPECT_STREQ(p.GameFile, "");
}

TEST_F(SmallDialogs, ProfileCancelChangesNothing) {
  Profile p{};
  std::strcpy(p.ProFileName, "Arena");
  const Profile before = p;
  CProfileNameDialog d(p, CProfileNameDialog::kEditing);
  CScript script({[&] {
    SetWindowTextA(d.NameField(), "Other");
    PostMessageA(d.Hwnd(), WM_CLOSE, 0, 0);
  }});
  EXPECT_EQ(d.DoModal(nullptr), IDCANCEL);
  EXPECT_EQ(std::memcmp(&p, &before, sizeof p), 0);
}

TEST_F(SmallDialogs, ProfileTooLongProgramIsRefusedAndTheOldOneKept) {
  Profile p{};
  std::strcpy(p.GameFile, "C:\\old.exe");
  CProfileNameDialog d(p, CProfileNameDialog::kEditing);
  CScript script({[&] {
    SetWindowTextA(d.ProgramField(), std::string(600, 'x').c_str());  // past the typing limit
    SetWindowTextA(d.NameField(), "Long");
    Click(d.OkHwnd());
  }});
  ASSERT_EQ(d.DoModal(nullptr), IDOK);
  EXPECT_FALSE(d.ProgramStored());
  EXPECT_STREQ(p.GameFile, "C:\\old.exe");
  EXPECT_STREQ(p.ProFileName, "Long");
}
