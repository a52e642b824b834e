#include "option/skin/menu_painter_win32.h"

#include <memory>

#include "option/skin/menu_model.h"
#include "wingui/gdi_win32.h"

namespace {

constexpr char kOldProcProperty[] = "CoolMenu_oldProc";
constexpr UINT kMenuSizingMessage = 0x1E2;  // sent before a popup menu is first painted

CHook g_hook;
std::unique_ptr<CMenuPainterTable> g_table;

uintptr_t Key(HWND w) { return reinterpret_cast<uintptr_t>(w); }

WNDPROC OldProc(HWND w) { return reinterpret_cast<WNDPROC>(GetPropA(w, kOldProcProperty)); }

void Release(HWND w) {
  if (WNDPROC old = OldProc(w)) SetWindowLongPtrA(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old));
  RemovePropA(w, kOldProcProperty);
  if (g_table) {
    g_table->Remove(Key(w));
    if (g_table->Empty()) g_table.reset();
  }
}

void DrawFrame(HWND w, HDC dc) {
  RECT r{};
  GetWindowRect(w, &r);
  for (const FrameOutline& f : MenuFrameOutlines(r.right - r.left, r.bottom - r.top)) {
    CBrush brush(CreateSolidBrush(f.color));
    const RECT outline{f.left, f.top, f.right, f.bottom};
    FrameRect(dc, &outline, brush.Get());
  }
}

LRESULT CALLBACK PainterProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
  const WNDPROC old = OldProc(w);
  if (!old) return DefWindowProcA(w, msg, wp, lp);
  switch (msg) {
    case WM_SHOWWINDOW:
      if (!wp) {
        Release(w);  // the system reuses the window: give it back as it was
        return CallWindowProcA(old, w, msg, wp, lp);
      }
      break;
    case WM_NCDESTROY:
      Release(w);
      return CallWindowProcA(old, w, msg, wp, lp);
    case WM_NCPAINT:
      if (g_table && g_table->Contains(Key(w))) {
        CWindowDC dc(w, true);
        DrawFrame(w, dc.Get());
        return 0;
      }
      break;
    case WM_PAINT: {
      // Some systems draw the menu's edge while painting its items; the frame
      // goes over it afterwards.
      const LRESULT result = CallWindowProcA(old, w, msg, wp, lp);
      if (g_table && g_table->Contains(Key(w))) {
        CWindowDC dc(w, true);
        DrawFrame(w, dc.Get());
      }
      return result;
    }
    case WM_PRINT: {
      const LRESULT result = CallWindowProcA(old, w, msg, wp, lp);
      DrawFrame(w, reinterpret_cast<HDC>(wp));
      return result;
    }
    default:
      break;
  }
  return CallWindowProcA(old, w, msg, wp, lp);
}

void TakeOver(HWND w) {
  char name[10] = {};
  GetClassNameA(w, name, sizeof name);
  if (!IsPopupMenuClassName(name) || GetPropA(w, kOldProcProperty)) return;
  if (!g_table) g_table = std::make_unique<CMenuPainterTable>();
  g_table->Add(Key(w));
  const LONG_PTR old = GetWindowLongPtrA(w, GWLP_WNDPROC);
  SetPropA(w, kOldProcProperty, reinterpret_cast<HANDLE>(old));
  if (!SetWindowLongPtrA(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PainterProc))) {
    RemovePropA(w, kOldProcProperty);
    g_table->Remove(Key(w));
  }
}

LRESULT CALLBACK HookProc(int code, WPARAM wp, LPARAM lp) {
  if (code == HC_ACTION) {
    const auto* m = reinterpret_cast<const CWPSTRUCT*>(lp);
    if (m->message == WM_CREATE || m->message == kMenuSizingMessage) TakeOver(m->hwnd);
  }
  return CallNextHookEx(g_hook.Get(), code, wp, lp);
}

}  // namespace

HHOOK InstallMenuPainter() {
  if (g_hook) return g_hook.Get();
  g_table = std::make_unique<CMenuPainterTable>();
  g_hook.Reset(SetWindowsHookExA(WH_CALLWNDPROC, HookProc, nullptr, GetCurrentThreadId()));
  return g_hook.Get();
}

void RemoveMenuPainter() {
  if (g_table) {
    for (uintptr_t w : g_table->Windows()) {
      const HWND window = reinterpret_cast<HWND>(w);
      if (WNDPROC old = OldProc(window))
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(old));
      RemovePropA(window, kOldProcProperty);
    }
    g_table.reset();
  }
  g_hook.Reset();
}

bool MenuPainterOwns(HWND menuWindow) { return g_table && g_table->Contains(Key(menuWindow)); }
