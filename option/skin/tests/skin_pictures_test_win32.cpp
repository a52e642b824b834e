#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <vector>

#include "option/skin/list_spin_box_win32.h"
#include "option/skin/skin_button_win32.h"
#include "option/skin/skin_dialog_win32.h"
#include "option/skin/skin_image_win32.h"
#include "option/skin/skin_pictures_win32.h"
#include "option/skin/skin_state.h"
#include "test_skin_files.h"

namespace {

constexpr UINT kStatesMessage = WM_APP + 40;

// Waits (pumping) for a message posted to window; false after five seconds.
bool WaitForPosted(HWND window, UINT message) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  MSG m;
  while (std::chrono::steady_clock::now() < end) {
    if (PeekMessageA(&m, window, message, message, PM_REMOVE)) return true;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_POSTMESSAGE);
  }
  return false;
}

bool SameRegion(HRGN a, HRGN b) { return a && b && EqualRgn(a, b); }

class SkinPicturesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = testskin::FreshFolder("osprey_skin_pictures");
    testskin::WriteFlatSkin(dir_, "skin_test.ini", 200, 100, 20, "1=a,10,30,40,20,\r\n");
    testskin::WriteText(dir_ / "skin_missing.ini",
                        "[SCREEN]\r\nMask=no_mask.bmp\r\nNormal=no_normal.bmp\r\nOver=no.bmp\r\n"
                        "Down=no.bmp\r\nDisable=no.bmp\r\n");
    SetSkinsFolder(dir_.string() + "\\");
    window_ = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_TRUE(window_);
  }
  void TearDown() override { DestroyWindow(window_); }

  std::filesystem::path dir_;
  HWND window_ = nullptr;
};

}  // namespace

TEST_F(SkinPicturesTest, NormalMaskAndOutlineFirstThenTheCutStatePictures) {
  CSkinPicturesLoader loader(SkinFiles::Read("skin_test.ini").pictures);
  SIZE size{};
  CSkinImage normal = loader.TakeNormal(size);
  ASSERT_TRUE(normal);
  EXPECT_EQ(size.cx, 200);
  EXPECT_EQ(size.cy, 100);
  EXPECT_EQ(TopLeftColor(normal.Get()), testskin::FlatSkin::kNormal);

  CRegion outline;
  CSkinImage mask = loader.TakeMask(outline);
  ASSERT_TRUE(mask);
  CRegion expected(RegionFromMask(mask.Get(), RGB(255, 255, 255), 0));
  EXPECT_TRUE(SameRegion(outline.Get(), expected.Get()));
  EXPECT_FALSE(PtInRegion(outline.Get(), 5, 5));  // the white corner is cut away
  EXPECT_TRUE(PtInRegion(outline.Get(), 100, 50));

  loader.CutStates({RECT{10, 30, 50, 50}, RECT{0, 0, 200, 100}}, window_, kStatesMessage);
  ASSERT_TRUE(WaitForPosted(window_, kStatesMessage));
  std::optional<SkinFault> fault;
  const std::vector<StateImages> states = loader.TakeStates(fault);
  EXPECT_FALSE(fault);
  ASSERT_EQ(states.size(), 2u);
  EXPECT_EQ(BitmapSize(states[0].over.Get()).cx, 40);
  EXPECT_EQ(BitmapSize(states[0].over.Get()).cy, 20);
  EXPECT_EQ(TopLeftColor(states[0].over.Get()), testskin::FlatSkin::kOver);
  EXPECT_EQ(TopLeftColor(states[0].down.Get()), testskin::FlatSkin::kDown);
  EXPECT_EQ(TopLeftColor(states[1].disabled.Get()), testskin::FlatSkin::kDisabled);
  EXPECT_EQ(BitmapSize(states[1].disabled.Get()).cx, 200);
}

TEST_F(SkinPicturesTest, GoesAwayAtOnceWhenNobodyAsksForTheStates) {
  const auto start = std::chrono::steady_clock::now();
  { CSkinPicturesLoader untouched(SkinFiles::Read("skin_test.ini").pictures); }
  {
    CSkinPicturesLoader halfUsed(SkinFiles::Read("skin_test.ini").pictures);
    SIZE size{};
    EXPECT_TRUE(halfUsed.TakeNormal(size));
  }
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  MSG m;
  EXPECT_FALSE(PeekMessageA(&m, window_, kStatesMessage, kStatesMessage, PM_REMOVE));
}

TEST_F(SkinPicturesTest, MissingPicturesGiveEmptyImagesAndStillAnAnswer) {
  CSkinPicturesLoader loader(SkinFiles::Read("skin_missing.ini").pictures);
  SIZE size{1, 1};
  EXPECT_FALSE(loader.TakeNormal(size));
  EXPECT_EQ(size.cx, 0);
  CRegion outline;
  EXPECT_FALSE(loader.TakeMask(outline));
  EXPECT_FALSE(outline);
  loader.CutStates({RECT{0, 0, 10, 10}}, window_, kStatesMessage);
  ASSERT_TRUE(WaitForPosted(window_, kStatesMessage));
  std::optional<SkinFault> fault;
  const std::vector<StateImages> states = loader.TakeStates(fault);
  ASSERT_EQ(states.size(), 1u);
  EXPECT_FALSE(states[0].over);
  ASSERT_TRUE(fault);  // the first of the three it could not decode
  EXPECT_EQ(fault->file.filename(), "no.bmp");
  EXPECT_TRUE(fault->missing);
}

namespace {

// Remembers the picture of every paint; a missing picture would paint nothing.
class CRecordingButton : public CSkinButton {
 public:
  std::vector<COLORREF> painted;

 protected:
  void Draw(HDC dc, HBITMAP image) override {
    painted.push_back(image ? TopLeftColor(image) : CLR_INVALID);
    CSkinButton::Draw(dc, image);
  }
};

// A modal dialog with a held-down button, which hovers its other button and
// ends once that button paints its hover picture (or after five seconds).
class CStatesDialog : public CSkinDialog {
 public:
  CStatesDialog() : CSkinDialog("skin_states.ini") {}
  CRecordingButton plain, held;
  bool sawOver = false;

 protected:
  void CreateControls(const CSkinBuilder& skin) override {
    skin.AddButton(plain, 1);
    skin.AddButton(held, 2);
    held.SetHeldDown(true);
  }
  void OnShown() override {
    plain.SetHover(true);
    SetTimer(Hwnd(), 77, 20, nullptr);
    started_ = GetTickCount();
  }
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override {
    if (msg == WM_TIMER && wp == 77) {
      InvalidateRect(plain.Hwnd(), nullptr, FALSE);
      UpdateWindow(plain.Hwnd());
      sawOver = !plain.painted.empty() && plain.painted.back() == testskin::FlatSkin::kOver;
      if (sawOver || GetTickCount() - started_ > 5000) EndModal(IDOK);
      return 0;
    }
    return CSkinDialog::HandleMessage(msg, wp, lp);
  }

 private:
  DWORD started_ = 0;
};

}  // namespace

TEST_F(SkinPicturesTest, ModalDialogButtonsShowNormalUntilTheirStatePicturesCome) {
  testskin::WriteFlatSkin(dir_, "skin_states.ini", 200, 100, 0,
                          "1=a,10,30,40,20,\r\n2=b,60,30,40,20,\r\n");
  CStatesDialog dialog;
  dialog.DoModal(nullptr, "states test");
  EXPECT_TRUE(dialog.sawOver);
  // Never a paint without a picture: the normal one stands in until then.
  for (COLORREF c : dialog.plain.painted) EXPECT_NE(c, CLR_INVALID);
  ASSERT_FALSE(dialog.held.painted.empty());
  for (COLORREF c : dialog.held.painted) EXPECT_NE(c, CLR_INVALID);
  EXPECT_EQ(dialog.held.painted.back(), testskin::FlatSkin::kDown);  // repainted when they came
}

namespace {

// A modal dialog with a list spin box, not a button of the dialog's own:
// ends once the spin box's up arrow, hovered, shows its hover picture (or
// after five seconds).
class CSpinStatesDialog : public CSkinDialog {
 public:
  CSpinStatesDialog() : CSkinDialog("skin_states.ini") {}
  CListSpinBox spin;
  COLORREF upPixel = CLR_INVALID;

 protected:
  void CreateControls(const CSkinBuilder& skin) override {
    const RECT r{10, 30, 54, 47};
    if (spin.Create(r.left, r.top, r.right, r.bottom, skin.Dialog(), 400)) skin.CutPictures(spin, r);
  }
  void OnShown() override {
    spin.UpButton().SetHover(true);
    SetTimer(Hwnd(), 77, 20, nullptr);
    started_ = GetTickCount();
  }
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override {
    if (msg == WM_TIMER && wp == 77) {
      const HWND up = spin.UpButton().Hwnd();
      InvalidateRect(up, nullptr, FALSE);
      UpdateWindow(up);
      upPixel = GetPixel(CWindowDC(up).Get(), 1, 1);
      if (upPixel == testskin::FlatSkin::kOver || GetTickCount() - started_ > 5000) EndModal(IDOK);
      return 0;
    }
    return CSkinDialog::HandleMessage(msg, wp, lp);
  }

 private:
  DWORD started_ = 0;
};

}  // namespace

TEST_F(SkinPicturesTest, EveryControlOfAModalDialogGetsItsStatePictures) {
  testskin::WriteFlatSkin(dir_, "skin_states.ini", 200, 100, 0, "");
  CSpinStatesDialog dialog;
  dialog.DoModal(nullptr, "spin states test");
  EXPECT_EQ(dialog.upPixel, testskin::FlatSkin::kOver);
}
