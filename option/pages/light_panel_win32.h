// The panels of the lighting page, one per effect, each a child dialog with
// a skin of its own. CLightPanel has what every effect has (the speed slider
// with its custom-speed box, the off switch, the pair of mode, direction or
// type buttons); the single-colour and seven-colours panels add their colour
// buttons. Every edit goes at once into the working copy's current profile.
#pragma once

#include <windows.h>

#include <array>

#include "option/pages/lighting_rules.h"
#include "option/skin/list_spin_box_win32.h"
#include "option/skin/skin_button_win32.h"
#include "option/skin/skin_dialog_win32.h"
#include "option/skin/skin_slider_win32.h"
#include "settings/profile_set.h"

class CLightPanel : public CSkinDialog {
 public:
  CLightPanel(ProfileSet& working, LightEffect effect)
      : CSkinDialog(LayoutOf(effect).skinFile), working_(working), effect_(effect) {}

  // Shows the profile's fields of this effect.
  virtual void Refresh();

 protected:
  Profile& Edited();
  const LightPanelLayout& Layout() const { return LayoutOf(effect_); }
  // A slider on the key's track with the panel's thumb, range 1..4.
  void AddSlider(const CSkinBuilder& skin, CSkinSlider& slider, int key, int id);

  void CreateControls(const CSkinBuilder& skin) override;
  bool OnCommandFrom(HWND control, int id, int code) override;
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  // A slider other than the speed slider moved.
  virtual void OnOtherSlider(int id, int value) { (void)id, (void)value; }

 private:
  void OnSpeed(int value);
  void OnNumberChanged(int value, int box);
  void EnableCustomSpeed(bool on);
  void ShowPair();

  ProfileSet& working_;
  LightEffect effect_;
  CSkinSlider speed_;
  CListSpinBox customSpeed_;
  CSkinButton offSwitch_;
  std::array<CSkinButton, 2> pair_;
};

// Single colour: also the intensity and the colour of the current
// sensitivity level, chosen from seven.
class CSingleColourPanel final : public CLightPanel {
 public:
  explicit CSingleColourPanel(ProfileSet& working) : CLightPanel(working, LightEffect::SingleColour) {}
  void Refresh() override;
  // Holds down the button of the level's colour.
  void ShowLevelColour(int level);

 protected:
  void CreateControls(const CSkinBuilder& skin) override;
  bool OnCommandFrom(HWND control, int id, int code) override;
  void OnOtherSlider(int id, int value) override;

 private:
  CSkinSlider intensity_;
  std::array<CSkinButton, kLightColourCount> colours_;
};

// Seven colours: also the seven colours of the effect, each chosen in the
// colour dialog.
class CSevenColoursPanel final : public CLightPanel {
 public:
  explicit CSevenColoursPanel(ProfileSet& working) : CLightPanel(working, LightEffect::SevenColours) {}
  void Refresh() override;

 protected:
  void CreateControls(const CSkinBuilder& skin) override;
  bool OnCommandFrom(HWND control, int id, int code) override;

 private:
  void ChooseColour(int index);

  std::array<CColorButton, kLightColourCount> colours_;
};
