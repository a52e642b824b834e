#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "option/skin/bitmap_edit_win32.h"
#include "option/skin/list_spin_box_win32.h"
#include "option/skin/skin_dialog_win32.h"
#include "option/skin/skin_state.h"
#include "settings/system_names.h"
#include "test_host_win32.h"
#include "wingui/window_win32.h"

namespace {

class CFieldsPage : public CSkinDialog {
 public:
  CFieldsPage() : CSkinDialog("skin_none.ini") {}
  CBitmapEdit edit;
  CListSpinBox spin;
  std::vector<std::pair<UINT, WPARAM>> notices;

 protected:
  void OnInitDialog() override {
    MoveWindow(Hwnd(), 0, 0, 200, 100, FALSE);
    edit.Create(Hwnd(), RECT{10, 10, 110, 30}, 7);
    spin.Create(120, 10, 160, 27, Hwnd(), 33);
    spin.SetRange(1, 12);
  }
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override {
    if (msg == BitmapEditKillFocusMessage() || msg == WM_EDIT_ENTER || msg == WM_NUMBER_CHANGED)
      notices.emplace_back(msg, wp);
    return CSkinDialog::HandleMessage(msg, wp, lp);
  }
};

std::string TextOf(HWND w) {
  char buffer[256] = {};
  GetWindowTextA(w, buffer, sizeof buffer);
  return buffer;
}

void Key(HWND w, WPARAM vk, WPARAM ch) {
  SendMessageA(w, WM_KEYDOWN, vk, 1);
  if (ch) SendMessageA(w, WM_CHAR, ch, 1);
  SendMessageA(w, WM_KEYUP, vk, 0xC0000001);
}

class SkinFields : public ::testing::Test {
 protected:
  void SetUp() override {
    SetSkinsFolder("C:\\no\\such\\skins\\");  // no pictures: the controls still work
    host_ = SharedHost(600, 500);  // clear of the other suites' windows
    ASSERT_TRUE(page_.CreatePage(host_));
    page_.Show(true);
    PumpMessages();
    page_.notices.clear();
  }
  void TearDown() override {
    page_.Destroy();
  }
  HWND host_ = nullptr;
  CFieldsPage page_;
};

}  // namespace

TEST_F(SkinFields, NumericFilterCleansPastedText) {
  page_.edit.SetNumericFilter(true);
  SetWindowTextA(page_.edit.Hwnd(), "1a2b.3c");
  PumpMessages();
  EXPECT_EQ(TextOf(page_.edit.Hwnd()), "12.3");
  ASSERT_FALSE(page_.notices.empty());
  EXPECT_EQ(page_.notices.back(), std::make_pair(BitmapEditKillFocusMessage(), WPARAM{0}));
}

TEST_F(SkinFields, NumericFilterSwallowsLettersAndKeypadButKeepsEditingKeys) {
  page_.edit.SetNumericFilter(true);
  const HWND e = page_.edit.Hwnd();
  SetWindowTextA(e, "12");
  SendMessageA(e, EM_SETSEL, 2, 2);
  Key(e, 'A', 'a');
  Key(e, VK_NUMPAD5, '5');
  EXPECT_EQ(TextOf(e), "12");
  Key(e, '7', '7');
  EXPECT_EQ(TextOf(e), "127");
  Key(e, VK_BACK, 8);
  EXPECT_EQ(TextOf(e), "12");
  SendMessageA(e, EM_SETSEL, 0, 0);
  Key(e, VK_DELETE, 0);
  EXPECT_EQ(TextOf(e), "2");
}

TEST_F(SkinFields, EveryChangeAndEnterIsReported) {
  SetWindowTextA(page_.edit.Hwnd(), "abc");  // filter off: text kept, change still reported
  Key(page_.edit.Hwnd(), VK_RETURN, 0);
  PumpMessages();
  EXPECT_EQ(TextOf(page_.edit.Hwnd()), "abc");
  const std::vector<std::pair<UINT, WPARAM>> expected = {{BitmapEditKillFocusMessage(), 0},
                                                         {WM_EDIT_ENTER, 13}};
  EXPECT_EQ(page_.notices, expected);
}

TEST_F(SkinFields, SpinBoxStepsThroughItsListWithOneNoticeEach) {
  CListSpinBox& s = page_.spin;
  s.SetValue(0);
  SendMessageA(s.Hwnd(), WM_COMMAND, 0, reinterpret_cast<LPARAM>(s.UpButton().Hwnd()));
  PumpMessages();
  EXPECT_EQ(s.Value(), 3);
  EXPECT_EQ(TextOf(s.Display()), "3");
  std::vector<std::pair<UINT, WPARAM>> changes;
  for (const auto& n : page_.notices)
    if (n.first == WM_NUMBER_CHANGED) changes.push_back(n);
  EXPECT_EQ(changes, (std::vector<std::pair<UINT, WPARAM>>{{WM_NUMBER_CHANGED, 3}}));

  page_.notices.clear();
  s.SetValue(12);
  SendMessageA(s.Hwnd(), WM_COMMAND, 0, reinterpret_cast<LPARAM>(s.UpButton().Hwnd()));
  s.SetValue(1);
  SendMessageA(s.Hwnd(), WM_COMMAND, 0, reinterpret_cast<LPARAM>(s.DownButton().Hwnd()));
  PumpMessages();
  EXPECT_EQ(s.Value(), 1);
  for (const auto& n : page_.notices) EXPECT_NE(n.first, static_cast<UINT>(WM_NUMBER_CHANGED));
}
