#include <gtest/gtest.h>


#include <utility>
#include <vector>

#include "option/skin/confirm_dialogs_win32.h"
#include "option/skin/skin_button_win32.h"
#include "option/skin/skin_dialog_win32.h"
#include "option/skin/skin_image_win32.h"
#include "option/skin/skin_slider_win32.h"
#include "option/skin/skin_state.h"
#include "settings/system_names.h"
#include "test_host_win32.h"
#include "test_skin_files.h"
#include "wingui/window_win32.h"

namespace {

// Three buttons side by side (the first two touch), one toggle, a slider.
class CTestPage : public CSkinDialog {
 public:
  CTestPage() : CSkinDialog("skin_test.ini") {}
  CSkinButton a, b, toggle;
  CSkinSlider slider;
  std::vector<HWND> commands;
  std::vector<std::pair<WPARAM, LPARAM>> hovers, sliderValues;

 protected:
  void CreateControls(const CSkinBuilder& skin) override {
    skin.AddButton(a, 1);
    skin.AddButton(b, 2);
    skin.AddButton(toggle, 3);
    toggle.SetToggleMode(true);
    a.SetHoverId(1);
    b.SetHoverId(2);
    const Placement track = skin.Place(4);
    slider.Create(SkinPath("thumb.bmp"), track.left, track.top, track.right, track.bottom,
                  skin.Dialog(), 201);
    slider.SetTrackImage(track.left, track.top, track.right, track.bottom, skin.Normal());
  }
  bool OnCommandFrom(HWND control, int, int) override {
    commands.push_back(control);
    return true;
  }
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override {
    if (msg == WM_SKIN_HOVER) hovers.emplace_back(wp, lp);
    if (msg == WM_SLIDER_POS) sliderValues.emplace_back(wp, lp);
    return CSkinDialog::HandleMessage(msg, wp, lp);
  }
};

LPARAM Point(int x, int y) { return MAKELPARAM(x, y); }

class SkinControls : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto dir = testskin::FreshFolder("osprey_skin_controls");
    testskin::WriteFlatSkin(dir, "skin_test.ini", 200, 100, 20,
                            "1=a,10,30,40,20,Help one\r\n2=b,50,30,40,20, Help two \r\n"
                            "3=t,100,30,40,20,\r\n4=track,20,70,110,12,\r\n");
    // Thumb: 10 x 12, magenta corners are cut from its outline.
    testskin::WriteBmp(dir / "thumb.bmp", 10, 12, [](int x, int y) {
      return (x == 0 && y == 0) ? 0x00FF00FFu : 0x00000000u;
    });
    SetSkinsFolder(dir.string() + "\\");
    host_ = SharedHost(100, 100);
    ASSERT_TRUE(host_);
    SetHelpTextWindow(reinterpret_cast<uintptr_t>(host_));
    ASSERT_TRUE(page_.CreatePage(host_));
    page_.Show(true);
    SetForegroundWindow(host_);
    SetActiveWindow(host_);
    UpdateWindow(host_);
    PumpMessages();
  }
  void TearDown() override {
    page_.Destroy();
    SetHelpTextWindow(0);
  }

  HWND host_ = nullptr;
  CTestPage page_;
};

}  // namespace

TEST_F(SkinControls, PageTakesTheSizeOfItsNormalPicture) {
  EXPECT_EQ(page_.Size().cx, 200);
  EXPECT_EQ(page_.Size().cy, 100);
  RECT r{};
  GetWindowRect(page_.a.Hwnd(), &r);
  EXPECT_EQ(r.right - r.left, 40);
  EXPECT_EQ(page_.a.HelpText(), "Help one");
  EXPECT_EQ(page_.b.HelpText(), "Help two");
  EXPECT_EQ(GetDlgCtrlID(page_.a.Hwnd()), 0);
}

TEST_F(SkinControls, OutlineComesFromTheMask) {
  CRegion outline(CreateRectRgn(0, 0, 0, 0));
  ASSERT_NE(GetWindowRgn(page_.Hwnd(), outline.Get()), ERROR);
  EXPECT_FALSE(PtInRegion(outline.Get(), 5, 5));    // white corner cut away
  EXPECT_FALSE(PtInRegion(outline.Get(), 19, 19));
  EXPECT_TRUE(PtInRegion(outline.Get(), 20, 5));
  EXPECT_TRUE(PtInRegion(outline.Get(), 5, 20));
  EXPECT_TRUE(PtInRegion(outline.Get(), 199, 99));
  EXPECT_FALSE(PtInRegion(outline.Get(), 200, 99));
}

TEST_F(SkinControls, HoverLeavesTheFirstButtonBeforeEnteringItsNeighbour) {
  page_.hovers.clear();
  SendMessageA(page_.a.Hwnd(), WM_MOUSEMOVE, 0, Point(5, 5));
  EXPECT_TRUE(page_.a.Hover());
  EXPECT_EQ(GetCapture(), page_.a.Hwnd());
  EXPECT_EQ(SharedHelpText(), "Help one");
  // The captured move reports a point that lies over the neighbour.
  SendMessageA(page_.a.Hwnd(), WM_MOUSEMOVE, 0, Point(45, 5));
  EXPECT_FALSE(page_.a.Hover());
  EXPECT_NE(GetCapture(), page_.a.Hwnd());
  SendMessageA(page_.b.Hwnd(), WM_MOUSEMOVE, 0, Point(5, 5));
  PumpMessages();
  const std::vector<std::pair<WPARAM, LPARAM>> expected = {{1, 1}, {0, 1}, {1, 2}};
  EXPECT_EQ(page_.hovers, expected);
  EXPECT_EQ(SharedHelpText(), "Help two");
  ReleaseCapture();
}

TEST_F(SkinControls, HoverEndsWhenAnotherWindowTakesTheCapture) {
  SendMessageA(page_.a.Hwnd(), WM_MOUSEMOVE, 0, Point(5, 5));
  ASSERT_TRUE(page_.a.Hover());
  PumpMessages();
  page_.hovers.clear();
  SetCapture(host_);  // as a switch to another program takes it away
  PumpMessages();
  EXPECT_FALSE(page_.a.Hover());
  EXPECT_EQ(page_.hovers, (std::vector<std::pair<WPARAM, LPARAM>>{{0, 1}}));
  EXPECT_EQ(GetCapture(), host_);
  ReleaseCapture();
}

TEST_F(SkinControls, HelpTextNoticeGoesToTheMainDialog) {
  SendMessageA(page_.a.Hwnd(), WM_MOUSEMOVE, 0, Point(5, 5));
  MSG m;
  ASSERT_TRUE(PeekMessageA(&m, host_, WM_SKIN_HELPTEXT, WM_SKIN_HELPTEXT, PM_REMOVE));
  EXPECT_EQ(m.wParam, 1u);
  ReleaseCapture();
}

TEST_F(SkinControls, ToggleClickedTwiceReturnsAndSendsTwoCommands) {
  const HWND t = page_.toggle.Hwnd();
  SendMessageA(t, WM_LBUTTONDOWN, MK_LBUTTON, Point(5, 5));
  SendMessageA(t, WM_LBUTTONUP, 0, Point(5, 5));
  EXPECT_TRUE(page_.toggle.HeldDown());
  SendMessageA(t, WM_LBUTTONDOWN, MK_LBUTTON, Point(5, 5));
  SendMessageA(t, WM_LBUTTONUP, 0, Point(5, 5));
  EXPECT_FALSE(page_.toggle.HeldDown());
  EXPECT_EQ(page_.commands, (std::vector<HWND>{t, t}));
  ReleaseCapture();
}

TEST_F(SkinControls, PushButtonClicksOnlyWhenReleasedOverIt) {
  SendMessageA(page_.a.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, Point(5, 5));
  SendMessageA(page_.a.Hwnd(), WM_LBUTTONUP, 0, Point(5, 5));
  SendMessageA(page_.a.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, Point(5, 5));
  SendMessageA(page_.a.Hwnd(), WM_LBUTTONUP, 0, Point(300, 5));
  EXPECT_EQ(page_.commands, (std::vector<HWND>{page_.a.Hwnd()}));
  EXPECT_FALSE(page_.a.HeldDown());
}

TEST_F(SkinControls, SliderDragPostsTrailingValuesAndSettlesOnRelease) {
  CSkinSlider& s = page_.slider;
  ASSERT_TRUE(s.IsCreated());
  HWND thumb = s.Thumb().Hwnd();
  EXPECT_EQ(s.Thumb().Left(), 0);
  SendMessageA(thumb, WM_LBUTTONDOWN, MK_LBUTTON, Point(2, 2));
  SendMessageA(thumb, WM_MOUSEMOVE, MK_LBUTTON, Point(2 + 55, 2));
  EXPECT_EQ(s.Thumb().Left(), 55);
  SendMessageA(thumb, WM_LBUTTONUP, 0, Point(2, 2));
  PumpMessages();
  const std::vector<std::pair<WPARAM, LPARAM>> plain = {{0, 201}, {5, 201}};
  EXPECT_EQ(page_.sliderValues, plain);
  EXPECT_EQ(s.Thumb().Left(), 55);

  page_.sliderValues.clear();
  s.SetSnap(true);
  s.SetPos(0);
  SendMessageA(thumb, WM_LBUTTONDOWN, MK_LBUTTON, Point(2, 2));
  SendMessageA(thumb, WM_MOUSEMOVE, MK_LBUTTON, Point(2 + 55, 2));
  SendMessageA(thumb, WM_LBUTTONUP, 0, Point(2, 2));
  PumpMessages();
  ASSERT_EQ(page_.sliderValues.size(), 2u);
  EXPECT_EQ(page_.sliderValues[1].first, 6u);  // 5.5 goes up
  EXPECT_EQ(s.Thumb().Left(), 60);
}

TEST_F(SkinControls, SliderTrackClickAndClampedPositions) {
  CSkinSlider& s = page_.slider;
  s.SetPos(7);
  SendMessageA(s.Hwnd(), WM_LBUTTONUP, 0, Point(0, 5));  // left end
  PumpMessages();
  ASSERT_EQ(page_.sliderValues.size(), 1u);
  EXPECT_EQ(page_.sliderValues[0].first, 0u);
  EXPECT_EQ(s.Pos(), 0);
  s.SetPos(-3);
  EXPECT_EQ(s.Pos(), 0);
  EXPECT_EQ(s.Thumb().Left(), 0);
  s.SetPos(99);
  EXPECT_EQ(s.Thumb().Left(), 100);
}

TEST(SkinSliderCreation, FailsWithoutItsThumbPicture) {
  CSkinSlider s;
  EXPECT_FALSE(s.Create("C:\\no\\such\\thumb.bmp", 0, 0, 100, 10, GetDesktopWindow(), 1));
  EXPECT_FALSE(s.IsCreated());
}
