#include "option/pages/performance_page_win32.h"

#include <string>

#include "option/pages/level_values.h"
#include "option/skin/control_messages.h"
#include "option/skin/skin_state.h"

namespace {
constexpr int kAccelerationKey = 52;
constexpr int kSensitivityTextKey = 1;
// Each group's buttons have keys in a row from these.
constexpr int kSensitivityKeys = 2;
constexpr int kReportRateKeys = 10;
constexpr int kScrollModeKeys = 14;
constexpr int kScrollSpeedKeys = 20;
constexpr int kDoubleClickKeys = 32;
constexpr int kPointerSpeedKeys = 42;

CSkinSlider& SliderOf(std::array<CSkinSlider, 4>& sliders, int id) {
  return sliders[static_cast<size_t>(id - kDoubleClickSlider)];
}
}  // namespace

Profile& CPerformancePage::Edited() { return EditedProfile(working_); }

void CPerformancePage::AddGroup(const CSkinBuilder& skin, PerformanceGroup group, int firstKey) {
  auto& buttons = groups_[static_cast<size_t>(group)];
  for (int i = 0; i < PerformanceGroupSize(group); ++i) skin.AddButton(buttons[i], firstKey + i);
}

void CPerformancePage::CreateControls(const CSkinBuilder& skin) {
  AddGroup(skin, PerformanceGroup::ReportRate, kReportRateKeys);
  AddGroup(skin, PerformanceGroup::Sensitivity, kSensitivityKeys);
  AddGroup(skin, PerformanceGroup::ScrollSpeed, kScrollSpeedKeys);
  AddGroup(skin, PerformanceGroup::ScrollMode, kScrollModeKeys);
  for (int id : kPerformanceSliders) {
    const Placement p = PerformanceSliderPlace(skin.Skin(), id);
    CSkinSlider& slider = SliderOf(sliders_, id);
    if (!slider.Create(SkinPath("scroll_arrow_down.bmp"), p.left, p.top, p.right, p.bottom,
                       skin.Dialog(), id))
      continue;
    slider.SetTrackImage(p.left, p.top, p.right, p.bottom, skin.Normal());
    slider.SetHelpText(p.text);
  }
  const Placement text = skin.Place(kSensitivityTextKey);
  sensitivityText_ = RectOf(text);
  skin.AddButton(acceleration_, kAccelerationKey);
  acceleration_.SetToggleMode(true);
  AddGroup(skin, PerformanceGroup::DoubleClick, kDoubleClickKeys);
  AddGroup(skin, PerformanceGroup::PointerSpeed, kPointerSpeedKeys);
}

void CPerformancePage::OnInitDialog() {
  font_.Reset(CreateFontA(14, 5, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial"));
  for (int id : kPerformanceSliders) {
    const SliderSetup setup = PerformanceSliderSetup(id);
    SliderOf(sliders_, id).SetRange(setup.minimum, setup.maximum);
    SliderOf(sliders_, id).SetSnap(setup.snap);
  }
}

void CPerformancePage::Refresh() {
  if (!IsCreated()) return;
  PlaceSliders();
  ShowButtons();
  ShowSensitivity();
}

void CPerformancePage::PlaceSliders() {
  for (int id : kPerformanceSliders) SliderOf(sliders_, id).SetPos(SliderPosition(Edited(), id));
}

void CPerformancePage::ShowButtons() {
  const Profile& p = Edited();
  for (int g = 0; g < kPerformanceGroupCount; ++g) {
    const auto group = static_cast<PerformanceGroup>(g);
    const int held = HeldDownIndex(p, group);
    for (int i = 0; i < PerformanceGroupSize(group); ++i) groups_[g][i].SetHeldDown(i == held);
  }
  acceleration_.SetHeldDown(p.AccelerationFlag != 0);
}

void CPerformancePage::ShowSensitivity() {
  InvalidateRect(Hwnd(), &sensitivityText_, FALSE);
  UpdateWindow(Hwnd());
}

bool CPerformancePage::OnCommandFrom(HWND control, int, int) {
  if (control == acceleration_.Hwnd()) {
    SetAcceleration(Edited(), acceleration_.HeldDown());
    return true;
  }
  for (int g = 0; g < kPerformanceGroupCount; ++g) {
    const auto group = static_cast<PerformanceGroup>(g);
    for (int i = 0; i < PerformanceGroupSize(group); ++i) {
      if (control != groups_[g][i].Hwnd()) continue;
      ChooseInGroup(Edited(), group, i);
      ShowButtons();
      // A slider showing the same setting follows the buttons.
      PlaceSliders();
      if (group == PerformanceGroup::Sensitivity) ShowSensitivity();
      return true;
    }
  }
  return false;
}

void CPerformancePage::OnSliderPos(int value, int slider) {
  if (const auto doubleClickTime = StoreSliderValue(Edited(), slider, value))
    SetDoubleClickTime(static_cast<UINT>(*doubleClickTime));
  ShowButtons();
}

void CPerformancePage::PaintOver(HDC dc) {
  const std::string text = SensitivityText(Edited());
  CSelectObject selectFont(dc, font_.Get());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  RECT r = sensitivityText_;
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_WORD_ELLIPSIS);
}

LRESULT CPerformancePage::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_SLIDER_POS) {
    OnSliderPos(static_cast<int>(wp), static_cast<int>(lp));
    return 0;
  }
  return CSkinDialog::HandleMessage(msg, wp, lp);
}
