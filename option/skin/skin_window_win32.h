// Base of the toolkit's own window classes: the C++ object is bound to its
// window at WM_NCCREATE and unbound at WM_NCDESTROY; messages go to
// HandleMessage.
#pragma once

#include <windows.h>

class CSkinWindow {
 public:
  CSkinWindow() = default;
  CSkinWindow(const CSkinWindow&) = delete;
  CSkinWindow& operator=(const CSkinWindow&) = delete;
  virtual ~CSkinWindow();

  HWND Hwnd() const { return hwnd_; }
  bool IsCreated() const { return hwnd_ != nullptr; }
  void Destroy();

 protected:
  // Registers (once) and creates a window of the named class bound to this.
  bool CreateSkinWindow(const char* className, DWORD exStyle, DWORD style, int x, int y,
                        int width, int height, HWND parent, int id, const char* title = "");
  virtual LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Default(UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcA(hwnd_, msg, wp, lp); }

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  HWND hwnd_ = nullptr;
};

// The top-level window that holds a child (itself if top-level).
HWND RootOf(HWND window);
