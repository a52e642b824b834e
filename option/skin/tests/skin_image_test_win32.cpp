#include <gtest/gtest.h>


#include <random>

#include "option/skin/confirm_dialogs_win32.h"
#include "option/skin/skin_image_win32.h"
#include "option/skin/skin_state.h"
#include "test_skin_files.h"

namespace {

CSkinImage Load(const std::filesystem::path& p, SIZE& size) {
  CSkinImage b;
  LoadSkinImage(p.string(), b, size);
  return b;
}

// The outline the slow way: one region per run, united one by one.
HRGN NaiveRegion(int w, int h, const testskin::PixelFn& pixel) {
  HRGN all = CreateRectRgn(0, 0, 0, 0);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      if (pixel(x, y) == 0x00FFFFFF) continue;
      const int start = x;
      while (x < w && pixel(x, y) != 0x00FFFFFF) ++x;
      HRGN run = CreateRectRgn(start, y, x, y + 1);
      CombineRgn(all, all, run, RGN_OR);
      DeleteObject(run);
    }
  return all;
}

}  // namespace

TEST(SkinImage, LoadsBmpAndCropsOneToOne) {
  const auto dir = testskin::FreshFolder("osprey_skin_image");
  testskin::WriteBmp(dir / "p.bmp", 30, 20, [](int x, int y) { return x < 10 && y < 5 ? 0x000000FFu : 0x00FF0000u; });
  SIZE size{};
  CSkinImage b = Load(dir / "p.bmp", size);
  ASSERT_TRUE(b);
  EXPECT_EQ(size.cx, 30);
  EXPECT_EQ(size.cy, 20);
  EXPECT_EQ(TopLeftColor(b.Get()), RGB(255, 0, 0));

  HDC screen = GetDC(nullptr);
  CBitmap part;
  CropImage(screen, part, b.Get(), 5, 2, 15, 12);
  ReleaseDC(nullptr, screen);
  ASSERT_TRUE(part);
  EXPECT_EQ(BitmapSize(part.Get()).cx, 10);
  EXPECT_EQ(TopLeftColor(part.Get()), RGB(255, 0, 0));

  // One cutter cuts every part of a picture; an empty rectangle, nothing.
  const CPictureCutter cutter(nullptr, b.Get());
  CBitmap first, second, none;
  cutter.Cut(first, 0, 0, 10, 5);
  cutter.Cut(second, 10, 5, 30, 20);
  cutter.Cut(none, 4, 4, 4, 9);
  EXPECT_EQ(TopLeftColor(first.Get()), RGB(255, 0, 0));
  EXPECT_EQ(TopLeftColor(second.Get()), RGB(0, 0, 255));
  EXPECT_EQ(BitmapSize(second.Get()).cx, 20);
  EXPECT_FALSE(none);
}

TEST(SkinImage, MissingOrBrokenFilesLeaveTheBitmapEmpty) {
  const auto dir = testskin::FreshFolder("osprey_skin_image_bad");
  testskin::WriteText(dir / "broken.bmp", "BM this is not a picture");
  SIZE size{1, 1};
  EXPECT_FALSE(Load(dir / "missing.bmp", size));
  EXPECT_EQ(size.cx, 0);
  EXPECT_FALSE(Load(dir / "broken.bmp", size));
  HDC screen = GetDC(nullptr);
  CBitmap target;
  CropImage(screen, target, nullptr, 0, 0, 5, 5);  // empty source: nothing happens
  EXPECT_FALSE(target);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(RegionFromMask(nullptr, RGB(255, 255, 255), 0), nullptr);
}

TEST(RegionFromMask, DetailedMaskMatchesTheNaiveUnion) {
  const auto dir = testskin::FreshFolder("osprey_skin_region");
  std::mt19937 rng(3);
  std::vector<uint32_t> px(200 * 60);
  for (auto& p : px) p = (rng() % 3) ? 0x00FFFFFFu : 0x00000000u;  // thousands of runs
  const testskin::PixelFn pixel = [&](int x, int y) { return px[size_t(y) * 200 + x]; };
  testskin::WriteBmp(dir / "m.bmp", 200, 60, pixel);
  SIZE size{};
  CSkinImage mask = Load(dir / "m.bmp", size);
  ASSERT_TRUE(mask);
  CRegion fast(RegionFromMask(mask.Get(), RGB(255, 255, 255), 0));
  CRegion slow(NaiveRegion(200, 60, pixel));
  ASSERT_TRUE(fast);
  EXPECT_TRUE(EqualRgn(fast.Get(), slow.Get()));
}

TEST(RegionFromMask, WhiteMaskIsEmptyAndNearWhiteStays) {
  const auto dir = testskin::FreshFolder("osprey_skin_region_white");
  testskin::WriteBmp(dir / "w.bmp", 8, 8, [](int, int) { return 0x00FFFFFFu; });
  testskin::WriteBmp(dir / "n.bmp", 8, 8, [](int x, int) { return x == 3 ? 0x00FEFFFFu : 0x00FFFFFFu; });
  SIZE size{};
  CSkinImage white = Load(dir / "w.bmp", size);
  CRegion empty(RegionFromMask(white.Get(), RGB(255, 255, 255), 0));
  RECT box{};
  ASSERT_TRUE(empty);
  EXPECT_EQ(GetRgnBox(empty.Get(), &box), NULLREGION);
  CSkinImage nearWhite = Load(dir / "n.bmp", size);
  CRegion column(RegionFromMask(nearWhite.Get(), RGB(255, 255, 255), 0));
  EXPECT_EQ(GetRgnBox(column.Get(), &box), SIMPLEREGION);
  EXPECT_EQ(box.left, 3);
  EXPECT_EQ(box.right, 4);
  EXPECT_EQ(box.bottom, 8);
}

namespace {
// Presses one of the open dialog's buttons (by a point inside it) from a timer.
POINT g_press;
void CALLBACK PressButton(HWND, UINT, UINT_PTR id, DWORD) {
  HWND dialog = FindWindowA("OspreySkinDialog", "confirm");
  if (!dialog) return;
  KillTimer(nullptr, id);
  HWND button = ChildWindowFromPoint(dialog, g_press);
  SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
  SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}
void CALLBACK CloseDialog(HWND, UINT, UINT_PTR id, DWORD) {
  if (HWND dialog = FindWindowA("OspreySkinDialog", "confirm")) {
    KillTimer(nullptr, id);
    PostMessageA(dialog, WM_CLOSE, 0, 0);
  }
}
}  // namespace

TEST(ConfirmDialogs, AcceptCancelAndClose) {
  const auto dir = testskin::FreshFolder("osprey_skin_confirm");
  testskin::WriteFlatSkin(dir, "skin_reset_all_warn.ini", 240, 120, 0,
                          "1=ok,20,90,60,20,\r\n2=no,100,90,60,20,\r\n3=x,220,0,20,20,\r\n");
  SetSkinsFolder(dir.string() + "\\");
  for (auto [point, expected] : {std::pair{POINT{25, 95}, IDOK}, std::pair{POINT{105, 95}, IDCANCEL},
                                 std::pair{POINT{225, 5}, IDCANCEL}}) {
    g_press = point;
    SetTimer(nullptr, 0, 20, PressButton);
    CResetAllWarnDialog d;
    EXPECT_EQ(d.DoModal(nullptr, "confirm"), expected);
    EXPECT_FALSE(d.IsCreated());
  }
  SetTimer(nullptr, 0, 20, CloseDialog);
  CResetAllWarnDialog closed;
  EXPECT_EQ(closed.DoModal(nullptr, "confirm"), IDCANCEL);
}

TEST(ConfirmDialogs, MissingSkinStillOpensARectangularDialog) {
  SetSkinsFolder("C:\\no\\such\\skins\\");
  SetTimer(nullptr, 0, 20, CloseDialog);
  CMacroSetWarnDialog d;
  EXPECT_EQ(d.DoModal(nullptr, "confirm"), IDCANCEL);
}

namespace {
HWND g_host;
bool g_hostEnabledWhileOpen = true;
void CALLBACK NoteOwnerAndClose(HWND, UINT, UINT_PTR id, DWORD) {
  if (HWND dialog = FindWindowA("OspreySkinDialog", "confirm")) {
    KillTimer(nullptr, id);
    g_hostEnabledWhileOpen = IsWindowEnabled(g_host);
    PostMessageA(dialog, WM_CLOSE, 0, 0);
  }
}
}  // namespace

TEST(ConfirmDialogs, OpenedFromAPageDisableTheWindowHoldingIt) {
  SetSkinsFolder("C:\\no\\such\\skins\\");
  g_host = CreateWindowExA(0, "STATIC", "host", WS_POPUP | WS_VISIBLE, 0, 0, 300, 200, nullptr,
                           nullptr, nullptr, nullptr);
  HWND page = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 100, g_host,
                              nullptr, nullptr, nullptr);
  SetTimer(nullptr, 0, 20, NoteOwnerAndClose);
  CDeleteMacroWarnDialog d;
  EXPECT_EQ(d.DoModal(page, "confirm"), IDCANCEL);
  EXPECT_FALSE(g_hostEnabledWhileOpen);
  EXPECT_TRUE(IsWindowEnabled(g_host));
  EXPECT_TRUE(IsWindowEnabled(page));
  DestroyWindow(g_host);
}
