#include "option/pages/performance_rules.h"

#include "option/pages/level_values.h"
#include "option/skin/skin_file.h"

namespace {

constexpr int kLongestDoubleClick = 900;  // ms; the slider's left end
constexpr int kDoubleClickButtonStep = 70;
constexpr int kAccelerationRowOn = 8;

constexpr int kSpeedTable[12] = {0, 1, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20};  // position 1..11
constexpr int kPositionTable[21] = {1, 1, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11};

int InGroup(int index, PerformanceGroup group) {
  return index >= 0 && index < PerformanceGroupSize(group) ? index : -1;
}

}  // namespace

int PerformanceGroupSize(PerformanceGroup group) {
  switch (group) {
    case PerformanceGroup::ScrollMode: return 2;
    case PerformanceGroup::ReportRate: return 4;
    case PerformanceGroup::Sensitivity: return static_cast<int>(kSensitivityChoices.size());
    case PerformanceGroup::ScrollSpeed:
    case PerformanceGroup::PointerSpeed:
    case PerformanceGroup::DoubleClick: return 10;
  }
  return 0;
}

void ChooseInGroup(Profile& p, PerformanceGroup group, int index) {
  if (InGroup(index, group) < 0) return;
  switch (group) {
    case PerformanceGroup::ScrollMode: p.ScrollWheelFlag = index; break;
    case PerformanceGroup::ReportRate: p.PollingRate = index; break;
    case PerformanceGroup::Sensitivity: p.CpiLevel_X[4] = kSensitivityChoices[index]; break;
    case PerformanceGroup::ScrollSpeed: p.ScrollWheelSpeed = index + 1; break;
    case PerformanceGroup::PointerSpeed: p.MouseSpeed = 2 * (index + 1); break;
    case PerformanceGroup::DoubleClick:
      p.DbleClickSpeed = kLongestDoubleClick - kDoubleClickButtonStep * (index + 1);
      break;
  }
}

int HeldDownIndex(const Profile& p, PerformanceGroup group) {
  switch (group) {
    case PerformanceGroup::ScrollMode: return InGroup(p.ScrollWheelFlag, group);
    case PerformanceGroup::ReportRate: return InGroup(p.PollingRate, group);
    case PerformanceGroup::Sensitivity:
      for (size_t i = 0; i < kSensitivityChoices.size(); ++i)
        if (kSensitivityChoices[i] == p.CpiLevel_X[4]) return static_cast<int>(i);
      return -1;
    case PerformanceGroup::ScrollSpeed: return InGroup(p.ScrollWheelSpeed - 1, group);
    // Division truncates toward zero: an odd speed holds down the button
    // below it, a time between two buttons the slower one.
    case PerformanceGroup::PointerSpeed: return InGroup(p.MouseSpeed / 2 - 1, group);
    case PerformanceGroup::DoubleClick:
      return InGroup((kLongestDoubleClick - p.DbleClickSpeed) / kDoubleClickButtonStep - 1, group);
  }
  return -1;
}

void SetAcceleration(Profile& p, bool on) {
  p.AccelerationFlag = on ? 1 : 0;
  p.Acceleration = on ? kAccelerationRowOn : 0;
}

SliderSetup PerformanceSliderSetup(int slider) {
  switch (slider) {
    case kDoubleClickSlider: return {0, 700, false};
    case kPointerSpeedSlider: return {1, 11, true};
    default: return {1, 10, true};
  }
}

int MouseSpeedAtPosition(int position) {
  return position >= 1 && position <= 11 ? kSpeedTable[position] : 10;
}

int PositionOfMouseSpeed(int speed) { return speed >= 0 && speed <= 20 ? kPositionTable[speed] : 6; }

int SliderPosition(const Profile& p, int slider) {
  switch (slider) {
    case kDoubleClickSlider: return kLongestDoubleClick - p.DbleClickSpeed;
    case kPointerSpeedSlider: return PositionOfMouseSpeed(p.MouseSpeed);
    case kScrollSpeedSlider: return p.ScrollWheelSpeed;
    case kTiltSpeedSlider: return p.TiltSpeed;
  }
  return 0;
}

std::optional<int> StoreSliderValue(Profile& p, int slider, int value) {
  switch (slider) {
    case kDoubleClickSlider:
      p.DbleClickSpeed = kLongestDoubleClick - value;
      return p.DbleClickSpeed;
    case kPointerSpeedSlider: p.MouseSpeed = MouseSpeedAtPosition(value); break;
    case kScrollSpeedSlider: p.ScrollWheelSpeed = value; break;
    case kTiltSpeedSlider: p.TiltSpeed = value; break;
  }
  return std::nullopt;
}

std::string SensitivityText(const Profile& p) { return LevelValueText(p.CpiLevel_X[4]); }

Placement PerformanceSliderPlace(const CSkinDescription& skin, int slider) {
  const std::string own = std::to_string(slider);
  return skin.PlacementOf(skin.Value(kSkinPlacementSection, own).empty() ? std::string("0") : own);
}
