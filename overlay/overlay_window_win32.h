// The notice window: hidden until Monitor posts a notice, then shown for a
// moment near the bottom of the screen, above everything, without ever taking
// the focus or the mouse.
#pragma once

#include <windows.h>

#include <filesystem>
#include <string>

#include "wingui/window_win32.h"

class COverlayWnd final : public CWindow {
 public:
  ~COverlayWnd() override { Destroy(); }
  bool Create();
  const std::string& text() const { return text_; }
  // Draws the current notice into dc (the window's or a memory DC).
  void Paint(HDC dc, const RECT& area) const;

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  void OnShowNotice(WPARAM kind, LPARAM lParam);
  void OnTimer();
  void OnPaint();

  std::string text_;
  std::filesystem::path configPath_;
};
