#include "overlay/overlay_window_win32.h"

#include "overlay/notice_text.h"
#include "settings/ini_file.h"
#include "settings/profile_files.h"
#include "settings/system_names.h"

namespace {
constexpr char kClassName[] = "OspreyNoticeWindow";
constexpr UINT_PTR kHideTimer = 1;
constexpr int kWidth = 360, kHeight = 64, kBottomMargin = 96;
constexpr COLORREF kBackground = RGB(24, 24, 24), kBorder = RGB(230, 120, 0),
                   kForeground = RGB(255, 255, 255);

// Owns one GDI object and deletes it.
class GdiObject {
 public:
  explicit GdiObject(HGDIOBJ o) : o_(o) {}
  ~GdiObject() {
    if (o_) DeleteObject(o_);
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  HGDIOBJ get() const { return o_; }

 private:
  HGDIOBJ o_;
};

// Selects an object into a DC for one scope.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ o) : dc_(dc), old_(SelectObject(dc, o)) {}
  ~Selection() { SelectObject(dc_, old_); }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace

COverlayWnd::~COverlayWnd() {
  if (hwnd_) DestroyWindow(hwnd_);
}

bool COverlayWnd::Create(HINSTANCE instance) {
  configPath_ = ConfigFilePath(InstallFolder());
  WNDCLASSA wc = {};
  wc.lpfnWndProc = &COverlayWnd::WndProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = kClassName;
  RegisterClassA(&wc);
  // Layered and transparent: clicks fall through to the window below.
  const DWORD exStyle =
      WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_LAYERED | WS_EX_TRANSPARENT;
  return CreateWindowExA(exStyle, kClassName, names::kOverlayTitle, WS_POPUP, 0, 0, kWidth, kHeight,
                         nullptr, nullptr, instance, this) != nullptr;
}

LRESULT CALLBACK COverlayWnd::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* self = static_cast<COverlayWnd*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<COverlayWnd*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    if (self) self->hwnd_ = nullptr;
    PostQuitMessage(0);
    return DefWindowProcA(hwnd, msg, wParam, lParam);
  }
  return self ? self->OnMessage(msg, wParam, lParam) : DefWindowProcA(hwnd, msg, wParam, lParam);
}

LRESULT COverlayWnd::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CREATE:
      SetLayeredWindowAttributes(hwnd_, 0, 230, LWA_ALPHA);
      return 0;
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
    default:
      return DefWindowProcA(hwnd_, msg, wParam, lParam);
  }
}

void COverlayWnd::OnShowNotice(WPARAM kind, LPARAM lParam) {
  NoticeTexts texts;
  // Read as the notice texts are written: bytes, into 256-byte buffers.
  const IniFile config = IniFile::Load(configPath_);
  texts.message = config.GetString("OverlayData", "Message", "", 256);
  texts.macroName = config.GetString("MacroOverlay", "MacroName", "", 256);
  const std::string text = NoticeText(kind, lParam, texts);
  if (text.empty()) return;
  text_ = text;
  RECT work = {};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  const int x = work.left + (work.right - work.left - kWidth) / 2;
  const int y = work.bottom - kBottomMargin - kHeight;
  SetWindowPos(hwnd_, HWND_TOPMOST, x, y, kWidth, kHeight, SWP_NOACTIVATE | SWP_SHOWWINDOW);
  InvalidateRect(hwnd_, nullptr, FALSE);
  UpdateWindow(hwnd_);
  SetTimer(hwnd_, kHideTimer, kNoticeMilliseconds, nullptr);
}

void COverlayWnd::OnTimer() {
  KillTimer(hwnd_, kHideTimer);
  ShowWindow(hwnd_, SW_HIDE);
}

void COverlayWnd::OnPaint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd_, &ps);
  RECT area;
  GetClientRect(hwnd_, &area);
  // Drawn off screen first so the notice never flickers.
  HDC memory = CreateCompatibleDC(dc);
  {
    GdiObject bitmap(CreateCompatibleBitmap(dc, area.right, area.bottom));
    Selection selected(memory, bitmap.get());
    Paint(memory, area);
    BitBlt(dc, 0, 0, area.right, area.bottom, memory, 0, 0, SRCCOPY);
  }
  DeleteDC(memory);
  EndPaint(hwnd_, &ps);
}

void COverlayWnd::Paint(HDC dc, const RECT& area) const {
  GdiObject background(CreateSolidBrush(kBackground));
  FillRect(dc, &area, static_cast<HBRUSH>(background.get()));
  GdiObject border(CreateSolidBrush(kBorder));
  FrameRect(dc, &area, static_cast<HBRUSH>(border.get()));
  GdiObject font(CreateFontA(30, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                             DEFAULT_PITCH, "Arial"));
  Selection selected(dc, font.get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, kForeground);
  RECT text = area;
  DrawTextA(dc, text_.c_str(), static_cast<int>(text_.size()), &text,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}
