#include "overlay/overlay_window_win32.h"

#include "overlay/notice_text.h"
#include "settings/config_keys.h"
#include "settings/ini_file.h"
#include "settings/profile_files.h"
#include "settings/system_names.h"
#include "wingui/gdi_win32.h"

namespace {
const WindowClass kClass{"OspreyNoticeWindow"};
constexpr UINT_PTR kHideTimer = 1;
constexpr int kWidth = 360, kHeight = 64, kBottomMargin = 96;
constexpr COLORREF kBackground = RGB(24, 24, 24), kBorder = RGB(230, 120, 0),
                   kForeground = RGB(255, 255, 255);

}  // namespace

bool COverlayWnd::Create() {
  configPath_ = ConfigFilePath(InstallFolder());
  // Layered and transparent: clicks fall through to the window below.
  const DWORD exStyle =
      WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_LAYERED | WS_EX_TRANSPARENT;
  return CreateWindowOf(kClass, exStyle, WS_POPUP, 0, 0, kWidth, kHeight, nullptr, 0,
                        names::kOverlayTitle);
}

LRESULT COverlayWnd::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CREATE: SetLayeredWindowAttributes(Hwnd(), 0, 230, LWA_ALPHA); return 0;
    case MSG_OVERLAY_SHOW:
      OnShowNotice(wParam, lParam);
      return 0;
    case MSG_OVERLAY_SETTINGS:
      // Sent on every apply; the texts are read afresh with each notice, so
      // there is nothing to reload.
      return 0;
    case WM_TIMER:
      if (wParam == kHideTimer) OnTimer();
      return 0;
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_NCHITTEST:
      return HTTRANSPARENT;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_NCDESTROY: PostQuitMessage(0); return Default(msg, wParam, lParam);
    default: return Default(msg, wParam, lParam);
  }
}

void COverlayWnd::OnShowNotice(WPARAM kind, LPARAM lParam) {
  NoticeTexts texts;
  // Read as the notice texts are written: bytes, into 256-byte buffers.
  const CIniFile ini = CIniFile::Load(configPath_);
  texts.message = ini.GetString(config::kOverlayDataSection, config::kOverlayMessage, "", 256);
  texts.macroName = ini.GetString(config::kMacroOverlaySection, config::kMacroName, "", 256);
  const std::string text = NoticeText(kind, lParam, texts);
  if (text.empty()) return;
  text_ = text;
  RECT work = {};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  const int x = work.left + (work.right - work.left - kWidth) / 2;
  const int y = work.bottom - kBottomMargin - kHeight;
  SetWindowPos(Hwnd(), HWND_TOPMOST, x, y, kWidth, kHeight, SWP_NOACTIVATE | SWP_SHOWWINDOW);
  InvalidateRect(Hwnd(), nullptr, FALSE);
  UpdateWindow(Hwnd());
  SetTimer(Hwnd(), kHideTimer, kNoticeMilliseconds, nullptr);
}

void COverlayWnd::OnTimer() {
  KillTimer(Hwnd(), kHideTimer);
  ShowWindow(Hwnd(), SW_HIDE);
}

void COverlayWnd::OnPaint() {
  CPaintDC paint(Hwnd());
  RECT area;
  GetClientRect(Hwnd(), &area);
  PaintOffscreen(paint.Get(), area, [&](HDC memory) { Paint(memory, area); });
}

void COverlayWnd::Paint(HDC dc, const RECT& area) const {
  const CBrush background(CreateSolidBrush(kBackground));
  FillRect(dc, &area, background.Get());
  const CBrush border(CreateSolidBrush(kBorder));
  FrameRect(dc, &area, border.Get());
  const CFont font(CreateFontA(30, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET,
                               OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                               DEFAULT_PITCH, "Arial"));
  CSelectObject selected(dc, font.Get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, kForeground);
  RECT text = area;
  DrawTextA(dc, text_.c_str(), static_cast<int>(text_.size()), &text,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}
