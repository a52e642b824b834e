#include "option/pages/dpi_page_win32.h"

#include "option/pages/dpi_color_dialog_win32.h"
#include "option/pages/dpi_rules.h"
#include "option/pages/level_values.h"
#include "option/skin/control_messages.h"
#include "option/skin/skin_state.h"

namespace {
constexpr int kLinkKey = 2;
constexpr int kSliderKeys[2] = {3, 4};  // x, y
constexpr int kFirstLevelKey = 5;
constexpr int kFirstColourKey = 10;
}  // namespace

Profile& CDpiPage::Edited() { return EditedProfile(working_); }

void CDpiPage::CreateControls(const CSkinBuilder& skin) {
  skin.AddButton(link_, kLinkKey);
  link_.SetToggleMode(true);
  const char* thumbs[2] = {"scroll_arrow_down.bmp", "scroll_arrow_up.bmp"};
  CSkinSlider* sliders[2] = {&x_, &y_};
  for (int i = 0; i < 2; ++i) {
    const Placement p = skin.Place(kSliderKeys[i]);
    if (!sliders[i]->Create(SkinPath(thumbs[i]), p.left, p.top, p.right, p.bottom, skin.Dialog(),
                            i == 0 ? kSensitivityXSlider : kSensitivityYSlider))
      continue;
    sliders[i]->SetTrackImage(p.left, p.top, p.right, p.bottom, skin.Normal());
    sliders[i]->SetHelpText(p.text);
  }
  CSkinImage levelMask;  // each window keeps the outline made from it
  SIZE ignored{};
  LoadSkinImage(SkinPath("DPI_Window_Mask.bmp"), levelMask, ignored);
  for (int i = 0; i < kLevelCount; ++i) {
    const RECT r = RectOf(skin.Place(kFirstLevelKey + i));
    if (levels_[i].Create(skin.Dialog(), r, kFirstLevelWindowId + i, levelMask.Get()))
      skin.CutPictures(levels_[i], r);
  }
  for (int i = 0; i < kLevelCount; ++i) skin.AddButton(colours_[i], kFirstColourKey + i);
}

void CDpiPage::OnInitDialog() {
  for (CSkinSlider* s : {&x_, &y_}) {
    s->SetRange(kSensitivityMinimum, kSensitivityMaximum);
    s->SetSnap(true);
  }
}

void CDpiPage::Refresh() {
  if (!IsCreated()) return;
  const Profile& p = Edited();
  link_.SetHeldDown(p.XYSynchronous != 0);
  x_.SetPos(p.Sensitivity_X);
  y_.SetPos(p.Sensitivity_Y);
  for (int i = 0; i < kLevelCount; ++i) {
    levels_[i].SetValue(p.CpiLevel_X[i]);
    levels_[i].SetInUse(p.dpiStepFlag[i] != 0);
  }
  for (int i = 0; i < kLevelCount; ++i) levels_[i].SetCurrent(i == p.CpiStep);
  for (int i = 0; i < kLevelCount; ++i) {
    colours_[i].SetColor(p.DPIColor[i]);
    InvalidateRect(colours_[i].Hwnd(), nullptr, FALSE);
  }
}

bool CDpiPage::OnCommandFrom(HWND control, int, int) {
  if (control == link_.Hwnd()) {
    if (StoreSensitivityLink(Edited(), link_.HeldDown())) {
      x_.SetPos(Edited().Sensitivity_X);
      y_.SetPos(Edited().Sensitivity_Y);
    }
    return true;
  }
  for (int i = 0; i < kLevelCount; ++i)
    if (control == colours_[i].Hwnd()) return ChooseColour(i), true;
  return false;
}

void CDpiPage::ChooseColour(int level) {
  CDpiColorDialog chooser;
  chooser.SetColor(colours_[level].Color());
  if (chooser.DoModal(Hwnd()) != IDOK) return;
  Edited().DPIColor[level] = chooser.Color();
  colours_[level].SetColor(chooser.Color());
  InvalidateRect(colours_[level].Hwnd(), nullptr, FALSE);
}

void CDpiPage::OnSliderPos(int value, int slider) {
  if (!StoreSensitivity(Edited(), slider, value)) return;
  (slider == kSensitivityXSlider ? y_ : x_).SetPos(value);
}

void CDpiPage::OnLevelNotice(WPARAM wp, LPARAM lp) {
  const auto current = ApplyLevelNotice(Edited(), wp, lp);
  if (!current) return;
  ShowCurrentLevel(*current);
  if (listener_) listener_->OnCurrentLevelChosen(*current);
}

void CDpiPage::ShowCurrentLevel(int level) {
  for (int i = 0; i < kLevelCount; ++i) levels_[i].SetCurrent(i == level);
}

LRESULT CDpiPage::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_SLIDER_POS: OnSliderPos(static_cast<int>(wp), static_cast<int>(lp)); return 0;
    case WM_DPI_LEVEL: OnLevelNotice(wp, lp); return 0;
    default: return CSkinDialog::HandleMessage(msg, wp, lp);
  }
}
