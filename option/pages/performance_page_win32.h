// CPerformancePage: the page of the main dialog with the current profile's
// report rate, sensitivity, pointer speed and acceleration, double-click
// speed, wheel and tilt speed. Every choice goes at once into the working
// copy's current profile; the double-click slider also sets the system's
// double-click time at once.
#pragma once

#include <windows.h>

#include <array>

#include "option/pages/performance_rules.h"
#include "option/pages/profile_page_win32.h"
#include "option/skin/skin_button_win32.h"
#include "option/skin/skin_dialog_win32.h"
#include "option/skin/skin_slider_win32.h"
#include "settings/profile_set.h"
#include "wingui/gdi_win32.h"

class CPerformancePage final : public CProfilePage {
 public:
  explicit CPerformancePage(ProfileSet& working)
      : CProfilePage("skin_performance.ini"), working_(working) {}

  // COptionPage. Also on every showing: the DPI page edits the sensitivity too.
  void Refresh() override;

 protected:
  void CreateControls(const CSkinBuilder& skin) override;
  void OnInitDialog() override;
  bool OnCommandFrom(HWND control, int id, int code) override;
  void PaintOver(HDC dc) override;
  bool DrawsOver() const override { return true; }
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  static constexpr int kMostButtons = 10;

  Profile& Edited();
  void AddGroup(const CSkinBuilder& skin, PerformanceGroup group, int firstKey);
  void ShowButtons();
  void PlaceSliders();
  void ShowSensitivity();
  void OnSliderPos(int value, int slider);

  ProfileSet& working_;
  std::array<std::array<CSkinButton, kMostButtons>, kPerformanceGroupCount> groups_;
  CSkinButton acceleration_;
  std::array<CSkinSlider, 4> sliders_;  // 201 to 204
  RECT sensitivityText_{};
  CFont font_;
};
