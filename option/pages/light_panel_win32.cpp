#include "option/pages/light_panel_win32.h"

#include <cstdio>

#include "option/pages/dpi_color_dialog_win32.h"
#include "option/pages/level_values.h"
#include "option/skin/control_messages.h"
#include "option/skin/skin_state.h"
#include "settings/system_names.h"

Profile& CLightPanel::Edited() { return EditedProfile(working_); }

void CLightPanel::AddSlider(const CSkinBuilder& skin, CSkinSlider& slider, int key, int id) {
  const Placement p = skin.Place(key);
  if (!slider.Create(SkinPath("scroll_arrow_down.bmp"), p.left, p.top, p.right, p.bottom, skin.Dialog(), id))
    return;
  slider.SetTrackImage(p.left, p.top, p.right, p.bottom, skin.Normal());
  slider.SetHelpText(p.text);
  slider.SetRange(kLightSpeedMinimum, kCustomLightSpeed);
  slider.SetSnap(true);
}

void CLightPanel::CreateControls(const CSkinBuilder& skin) {
  const LightPanelLayout& layout = Layout();
  for (int i = 0; i < 2; ++i)
    if (layout.pairKeys[i] >= 0) skin.AddButton(pair_[i], layout.pairKeys[i]);
  if (layout.offSwitchKey >= 0) {
    skin.AddButton(offSwitch_, layout.offSwitchKey);
    offSwitch_.SetToggleMode(true);
  }
  AddSlider(skin, speed_, layout.speedKey, kLightSpeedSlider);
  const Placement box = skin.Place(layout.customSpeedKey);
  if (customSpeed_.Create(box.left, box.top, box.right, box.bottom, skin.Dialog(), kCustomSpeedBox)) {
    skin.CutPictures(customSpeed_, RectOf(box));
    customSpeed_.SetRange(kCustomSpeedMinimum, kCustomSpeedMaximum);
    customSpeed_.SetHelpText(box.text);
  }
}

void CLightPanel::Refresh() {
  if (!IsCreated()) return;
  const Profile& p = Edited();
  const LightPanelLayout& layout = Layout();
  speed_.SetPos(p.*layout.speed);
  customSpeed_.SetValue(p.*layout.customSpeed);
  EnableCustomSpeed(CustomSpeedEnabled(p.*layout.speed));
  offSwitch_.SetHeldDown(OffSwitchHeld(p, effect_));
  ShowPair();
}

void CLightPanel::ShowPair() {
  const int held = HeldPairButton(Edited(), effect_);
  for (int i = 0; i < 2; ++i) pair_[i].SetHeldDown(i == held);
}

// A disabled box keeps its value; its arrows show that they do nothing now.
void CLightPanel::EnableCustomSpeed(bool on) {
  for (HWND w : {customSpeed_.Hwnd(), customSpeed_.UpButton().Hwnd(), customSpeed_.DownButton().Hwnd()})
    if (w) EnableWindow(w, on);
}

void CLightPanel::OnSpeed(int value) {
  Edited().*Layout().speed = value;
  EnableCustomSpeed(CustomSpeedEnabled(value));
}

void CLightPanel::OnNumberChanged(int value, int box) {
  char trace[32];
  std::snprintf(trace, sizeof trace, "lParam = %d\n", box);
  OutputDebugStringA(trace);
  if (box == kCustomSpeedBox) Edited().*Layout().customSpeed = value;
}

bool CLightPanel::OnCommandFrom(HWND control, int, int) {
  if (!control) return false;
  if (control == offSwitch_.Hwnd()) {
    StoreOffSwitch(Edited(), effect_, offSwitch_.HeldDown());
    return true;
  }
  for (int i = 0; i < 2; ++i) {
    if (control != pair_[i].Hwnd()) continue;
    ChoosePairButton(Edited(), effect_, i);
    ShowPair();
    return true;
  }
  return false;
}

LRESULT CLightPanel::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_SLIDER_POS:
      if (static_cast<int>(lp) == kLightSpeedSlider)
        OnSpeed(static_cast<int>(wp));
      else
        OnOtherSlider(static_cast<int>(lp), static_cast<int>(wp));
      return 0;
    case WM_NUMBER_CHANGED: OnNumberChanged(static_cast<int>(wp), static_cast<int>(lp)); return 0;
    default: return CSkinDialog::HandleMessage(msg, wp, lp);
  }
}

void CSingleColourPanel::CreateControls(const CSkinBuilder& skin) {
  CLightPanel::CreateControls(skin);
  AddSlider(skin, intensity_, 4, kLightIntensitySlider);
  for (int i = 0; i < kLightColourCount; ++i) skin.AddButton(colours_[i], Layout().firstColourKey + i);
}

void CSingleColourPanel::Refresh() {
  CLightPanel::Refresh();
  if (!IsCreated()) return;
  intensity_.SetPos(Edited().DanSeIntensity);
  ShowLevelColour(Edited().CpiStep);
}

void CSingleColourPanel::ShowLevelColour(int level) {
  if (!IsCreated()) return;
  const int held = LevelColourButton(Edited(), level);
  for (int i = 0; i < kLightColourCount; ++i) colours_[i].SetHeldDown(i == held);
}

void CSingleColourPanel::OnOtherSlider(int id, int value) {
  if (id == kLightIntensitySlider) Edited().DanSeIntensity = value;
}

bool CSingleColourPanel::OnCommandFrom(HWND control, int id, int code) {
  for (int i = 0; i < kLightColourCount && control; ++i) {
    if (control != colours_[i].Hwnd()) continue;
    if (ChooseLevelColour(Edited(), i)) ShowLevelColour(Edited().CpiStep);
    return true;
  }
  return CLightPanel::OnCommandFrom(control, id, code);
}

void CSevenColoursPanel::CreateControls(const CSkinBuilder& skin) {
  CLightPanel::CreateControls(skin);
  for (int i = 0; i < kLightColourCount; ++i) skin.AddButton(colours_[i], Layout().firstColourKey + i);
}

void CSevenColoursPanel::Refresh() {
  CLightPanel::Refresh();
  if (!IsCreated()) return;
  for (int i = 0; i < kLightColourCount; ++i) {
    colours_[i].SetColor(Edited().ClQiSeColor[i]);
    if (colours_[i].Hwnd()) InvalidateRect(colours_[i].Hwnd(), nullptr, FALSE);
  }
}

void CSevenColoursPanel::ChooseColour(int index) {
  CDpiColorDialog chooser;
  chooser.SetColor(colours_[index].Color());
  if (chooser.DoModal(Hwnd()) != IDOK) return;
  Edited().ClQiSeColor[index] = chooser.Color();
  colours_[index].SetColor(chooser.Color());
  InvalidateRect(colours_[index].Hwnd(), nullptr, FALSE);
}

bool CSevenColoursPanel::OnCommandFrom(HWND control, int id, int code) {
  for (int i = 0; i < kLightColourCount && control; ++i)
    if (control == colours_[i].Hwnd()) return ChooseColour(i), true;
  return CLightPanel::OnCommandFrom(control, id, code);
}
