// CWindow: the base of every window class of the programs. The C++ object is
// bound to its window at WM_NCCREATE and unbound at WM_NCDESTROY; every
// message in between goes to HandleMessage. A window class is a name and a
// few registration details, registered on first use by the module (program
// or DLL) whose code handles its messages.
//
//   class CMyWnd : public CWindow {
//    public:
//     bool Create() { return CreateWindowOf({"OspreyMyWnd"}, 0, WS_POPUP, 0, 0, 200, 100); }
//    protected:
//     LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override {
//       if (msg == WM_PAINT) return OnPaint(), 0;
//       return Default(msg, wp, lp);
//     }
//   };
#pragma once

#include <windows.h>

// How a window class is registered.
struct WindowClass {
  const char* name;
  UINT style = 0;                    // CS_DBLCLKS for double clicks
  const char* cursor = IDC_ARROW;    // a system cursor; nullptr for none
};

class CWindow {
 public:
  CWindow() = default;
  CWindow(const CWindow&) = delete;
  CWindow& operator=(const CWindow&) = delete;
  // Destroys a window still open. By then the derived object is gone and its
  // handlers no longer run: a class that must see its own WM_DESTROY calls
  // Destroy in its destructor.
  virtual ~CWindow();

  HWND Hwnd() const { return hwnd_; }
  bool IsCreated() const { return hwnd_ != nullptr; }
  void Destroy();

 protected:
  // Registers the class (once) and creates a window of it bound to this.
  // id is the control identifier of a child window. False when the window
  // could not be made (or refused WM_NCCREATE or WM_CREATE).
  bool CreateWindowOf(const WindowClass& windowClass, DWORD exStyle, DWORD style, int x, int y,
                      int width, int height, HWND parent = nullptr, int id = 0,
                      const char* title = "");
  // Every message from WM_NCCREATE to WM_NCDESTROY; by default the system's
  // handling.
  virtual LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Default(UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcA(hwnd_, msg, wp, lp); }

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  HWND hwnd_ = nullptr;
};

// The top-level window that holds a child (itself if top-level).
HWND RootOf(HWND window);

// Restores a minimised window and makes it the active foreground window.
void BringForward(HWND window);

// Runs the calling thread's message loop until WM_QUIT; returns its exit code.
int RunMessageLoop();
// Dispatches the messages waiting in the calling thread's queue, then returns.
void PumpMessages();
// Waits for object while dispatching the calling thread's messages (a program
// that sends to this thread's windows would otherwise wait for it, and it for
// the program); false when timeoutMs passed first.
bool WaitDispatching(HANDLE object, DWORD timeoutMs = INFINITE);
