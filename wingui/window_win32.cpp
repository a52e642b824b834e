#include "wingui/window_win32.h"

#include <mutex>
#include <set>
#include <string>

// The module this code is linked into: a class registered by a DLL belongs to
// the DLL, whose window procedure goes away with it.
extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

HINSTANCE ThisModule() { return reinterpret_cast<HINSTANCE>(&__ImageBase); }

// Registers each class once per module; windows of one class may be made on
// several threads.
bool Register(const WindowClass& windowClass, WNDPROC procedure) {
  static std::mutex lock;
  static std::set<std::string> registered;
  std::lock_guard guard(lock);
  if (registered.count(windowClass.name)) return true;
  WNDCLASSA wc{};
  wc.style = windowClass.style;
  wc.lpfnWndProc = procedure;
  wc.hInstance = ThisModule();
  wc.hCursor = windowClass.cursor ? LoadCursor(nullptr, windowClass.cursor) : nullptr;
  wc.lpszClassName = windowClass.name;
  if (!RegisterClassA(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
  registered.insert(windowClass.name);
  return true;
}

}  // namespace

CWindow::~CWindow() { Destroy(); }

void CWindow::Destroy() {
  if (hwnd_) DestroyWindow(hwnd_);  // WM_NCDESTROY clears hwnd_
}

bool CWindow::CreateWindowOf(const WindowClass& windowClass, DWORD exStyle, DWORD style, int x,
                             int y, int width, int height, HWND parent, int id,
                             const char* title) {
  if (!Register(windowClass, &CWindow::WindowProc)) return false;
  const HMENU menuOrId =
      (style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)) : nullptr;
  return CreateWindowExA(exStyle, windowClass.name, title, style, x, y, width, height, parent,
                         menuOrId, ThisModule(), this) != nullptr;
}

LRESULT CWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) { return Default(msg, wp, lp); }

LRESULT CALLBACK CWindow::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* self = reinterpret_cast<CWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (msg == WM_NCCREATE) {
    self = static_cast<CWindow*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  // Messages before WM_NCCREATE (WM_GETMINMAXINFO) find no object yet.
  if (!self) return DefWindowProcA(hwnd, msg, wp, lp);
  const LRESULT result = self->HandleMessage(msg, wp, lp);
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
  }
  return result;
}

HWND RootOf(HWND window) {
  HWND root = window ? GetAncestor(window, GA_ROOT) : nullptr;
  return root ? root : window;
}

void BringForward(HWND window) {
  if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
  SetForegroundWindow(window);
  SetActiveWindow(window);
}

void PumpMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

bool WaitDispatching(HANDLE object, DWORD timeoutMs) {
  const ULONGLONG end = GetTickCount64() + timeoutMs;
  for (;;) {
    // The wait wakes for messages that arrive after it starts only.
    PumpMessages();
    const ULONGLONG now = GetTickCount64();
    const DWORD left = timeoutMs == INFINITE ? INFINITE
                       : now >= end          ? 0
                                             : static_cast<DWORD>(end - now);
    const DWORD woke = MsgWaitForMultipleObjects(1, &object, FALSE, left, QS_ALLINPUT);
    if (woke == WAIT_OBJECT_0) return true;
    if (woke != WAIT_OBJECT_0 + 1) return false;
  }
}

int RunMessageLoop() {
  MSG msg{};
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}
