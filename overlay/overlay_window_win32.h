// The notice window: hidden until Monitor posts a notice, then shown for a
// moment near the bottom of the screen, above everything, without ever taking
// the focus or the mouse.
#pragma once

#include <windows.h>

#include <filesystem>
#include <string>

class COverlayWnd {
 public:
  COverlayWnd() = default;
  ~COverlayWnd();
  COverlayWnd(const COverlayWnd&) = delete;
  COverlayWnd& operator=(const COverlayWnd&) = delete;

  bool Create(HINSTANCE instance);
  HWND hwnd() const { return hwnd_; }
  const std::string& text() const { return text_; }
  // Draws the current notice into dc (the window's or a memory DC).
  void Paint(HDC dc, const RECT& area) const;

 private:
  static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT OnMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  void OnShowNotice(WPARAM kind, LPARAM lParam);
  void OnTimer();
  void OnPaint();

  HWND hwnd_ = nullptr;
  std::string text_;
  std::filesystem::path configPath_;
};
