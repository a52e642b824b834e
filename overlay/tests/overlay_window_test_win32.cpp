// The notice window under Wine: found by its title, shows a notice without
// taking the focus, hides it after a moment and ends on WM_CLOSE.
#include "overlay/overlay_window_win32.h"

#include <gtest/gtest.h>

#include "settings/system_names.h"

namespace {
void Pump(DWORD ms) {
  const ULONGLONG end = GetTickCount64() + ms;
  while (GetTickCount64() < end) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
  }
}
}  // namespace

TEST(OverlayWindow, ShowsANoticeForAMomentWithoutTakingTheFocus) {
  COverlayWnd window;
  ASSERT_TRUE(window.Create());
  HWND found = FindWindowA(nullptr, names::kOverlayTitle);
  ASSERT_EQ(found, window.Hwnd());
  EXPECT_FALSE(IsWindowVisible(found));
  const LONG_PTR ex = GetWindowLongPtrA(found, GWL_EXSTYLE);
  EXPECT_TRUE(ex & WS_EX_TOPMOST);
  EXPECT_TRUE(ex & WS_EX_NOACTIVATE);
  EXPECT_TRUE(ex & WS_EX_TRANSPARENT);

  PostMessageA(found, MSG_OVERLAY_SHOW, OVERLAY_PROFILE, 2 * 65536);
  Pump(200);
  EXPECT_TRUE(IsWindowVisible(found));
  EXPECT_EQ(window.text(), "Profile 3");
  EXPECT_NE(GetForegroundWindow(), found);
  EXPECT_EQ(SendMessageA(found, WM_NCHITTEST, 0, 0), HTTRANSPARENT);
  Pump(1600);
  EXPECT_FALSE(IsWindowVisible(found));

  PostMessageA(found, MSG_OVERLAY_SETTINGS, 0, 110 * 65536 + 5);
  PostMessageA(found, MSG_OVERLAY_SHOW, 99, 0);  // unknown notices show nothing
  Pump(100);
  EXPECT_FALSE(IsWindowVisible(found));

  PostMessageA(found, WM_CLOSE, 0, 0);
  Pump(100);
  EXPECT_EQ(FindWindowA(nullptr, names::kOverlayTitle), nullptr);
  EXPECT_EQ(window.Hwnd(), nullptr);
}
