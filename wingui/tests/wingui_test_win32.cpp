// The ground floor under Wine: a window is bound to its object for exactly
// its life, handles close once and move, and a worker thread handles its
// messages in order on itself, with its window, until it is stopped.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "wingui/gdi_win32.h"
#include "wingui/message_thread_win32.h"
#include "wingui/window_win32.h"

namespace {

constexpr UINT kJob = WM_APP + 1;

class CProbeWnd final : public CWindow {
 public:
  ~CProbeWnd() override { Destroy(); }
  bool Create(bool refuse = false) {
    refuse_ = refuse;
    return CreateWindowOf({"OspreyWinguiProbe"}, 0, WS_POPUP, 0, 0, 50, 50);
  }
  std::vector<UINT> seen;
  bool boundAtFirstMessage = false;

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override {
    if (seen.empty()) boundAtFirstMessage = Hwnd() != nullptr;
    seen.push_back(msg);
    if (msg == WM_CREATE && refuse_) return -1;
    return Default(msg, wp, lp);
  }

 private:
  bool refuse_ = false;
};

TEST(Window, BoundFromNcCreateToNcDestroy) {
  CProbeWnd window;
  ASSERT_TRUE(window.Create());
  HWND hwnd = window.Hwnd();
  EXPECT_TRUE(window.boundAtFirstMessage);
  EXPECT_EQ(window.seen.front(), static_cast<UINT>(WM_NCCREATE));
  CProbeWnd second;  // the class is registered once, used twice
  ASSERT_TRUE(second.Create());
  window.Destroy();
  EXPECT_EQ(window.seen.back(), static_cast<UINT>(WM_NCDESTROY));
  EXPECT_EQ(window.Hwnd(), nullptr);
  EXPECT_FALSE(IsWindow(hwnd));
  {
    CProbeWnd scoped;
    ASSERT_TRUE(scoped.Create());
    hwnd = scoped.Hwnd();
  }
  EXPECT_FALSE(IsWindow(hwnd)) << "the object takes its window with it";
  CProbeWnd refused;
  EXPECT_FALSE(refused.Create(true));
  EXPECT_EQ(refused.Hwnd(), nullptr);
  EXPECT_EQ(refused.seen.back(), static_cast<UINT>(WM_NCDESTROY));
}

TEST(Handles, CloseOnceAndMove) {
  CHandle event(CreateEventA(nullptr, TRUE, FALSE, nullptr));
  const HANDLE raw = event.Get();
  CHandle moved(std::move(event));
  EXPECT_FALSE(event);
  EXPECT_EQ(moved.Get(), raw);
  DWORD flags = 0;
  EXPECT_TRUE(GetHandleInformation(raw, &flags));
  moved.Reset();
  EXPECT_FALSE(GetHandleInformation(raw, &flags)) << "closed";
  EXPECT_FALSE(CHandle(INVALID_HANDLE_VALUE)) << "a failed CreateFile holds nothing";
  CBitmap bitmap(CreateBitmap(4, 3, 1, 32, nullptr));
  EXPECT_EQ(BitmapSize(bitmap.Get()).cx, 4);
  const HBITMAP given = bitmap.Release();
  EXPECT_FALSE(bitmap);
  EXPECT_TRUE(DeleteObject(given)) << "released, not deleted";
}

TEST(MessageThread, HandlesJobsInOrderOnItselfUntilStopped) {
  const DWORD caller = GetCurrentThreadId();
  DWORD firstOn = 0, lastOn = 0, jobsOn = 0;
  std::vector<WPARAM> jobs;
  CProbeWnd window;
  CMessageThread worker;
  ASSERT_TRUE(worker.Start(
      [&](const MSG& msg) {
        if (msg.message != kJob) return;
        jobs.push_back(msg.wParam);
        jobsOn = GetCurrentThreadId();
      },
      4096, [&] { firstOn = GetCurrentThreadId(), window.Create(); },
      [&] { lastOn = GetCurrentThreadId(), window.Destroy(); }));
  for (WPARAM i = 1; i <= 5; ++i) EXPECT_TRUE(worker.Post(kJob, i));
  ASSERT_NE(window.Hwnd(), nullptr);
  PostMessageA(window.Hwnd(), WM_APP + 2, 0, 0);
  worker.Stop();
  EXPECT_FALSE(worker.Running());
  EXPECT_FALSE(worker.Post(kJob, 6));
  EXPECT_EQ(jobs, (std::vector<WPARAM>{1, 2, 3, 4, 5}));
  EXPECT_NE(firstOn, caller);
  EXPECT_EQ(firstOn, jobsOn);
  EXPECT_EQ(lastOn, jobsOn);
  EXPECT_NE(std::find(window.seen.begin(), window.seen.end(), WM_APP + 2), window.seen.end())
      << "a window of the thread gets its messages there";
  EXPECT_EQ(window.Hwnd(), nullptr);
}

}  // namespace
