// CDpiPage: the page of the main dialog on which the user edits the five
// sensitivity levels of the current profile (value, colour, which one is
// current) and the X and Y sensitivity with their link. Every edit goes at
// once into the working copy's current profile.
#pragma once

#include <windows.h>

#include <array>

#include "option/pages/current_level_listener.h"
#include "option/pages/dpi_level_window_win32.h"
#include "option/pages/profile_page_win32.h"
#include "option/skin/skin_button_win32.h"
#include "option/skin/skin_dialog_win32.h"
#include "option/skin/skin_image_win32.h"
#include "option/skin/skin_slider_win32.h"
#include "settings/profile_set.h"

class CDpiPage final : public CProfilePage {
 public:
  explicit CDpiPage(ProfileSet& working) : CProfilePage("skin_DPI.ini"), working_(working) {}

  // Heard whenever the user makes a level current; may be null.
  void SetCurrentLevelListener(CCurrentLevelListener* listener) { listener_ = listener; }

  // COptionPage. Also on every showing: the performance page edits level 5 too.
  void Refresh() override;

 protected:
  void CreateControls(const CSkinBuilder& skin) override;
  void OnInitDialog() override;
  bool OnCommandFrom(HWND control, int id, int code) override;
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  Profile& Edited();
  void OnSliderPos(int value, int slider);
  void OnLevelNotice(WPARAM wp, LPARAM lp);
  void ShowCurrentLevel(int level);
  void ChooseColour(int level);

  ProfileSet& working_;
  CCurrentLevelListener* listener_ = nullptr;
  CSkinButton link_;
  CSkinSlider x_, y_;
  std::array<CDpiLevelWindow, kLevelCount> levels_;
  std::array<CColorButton, kLevelCount> colours_;
};
