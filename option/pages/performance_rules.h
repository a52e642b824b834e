// The performance page's rules: what each of its button groups and sliders
// stores in the profile, and which button of each group shows held down and
// where each slider stands for a profile.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "option/skin/skin_file.h"
#include "settings/profile_set.h"

// Groups of buttons that act as radio sets, in the order the page checks a
// click's source.
enum class PerformanceGroup { ScrollMode, ReportRate, Sensitivity, ScrollSpeed, PointerSpeed, DoubleClick };
inline constexpr int kPerformanceGroupCount = 6;

int PerformanceGroupSize(PerformanceGroup group);

// The level values the sensitivity buttons choose (indexes into the level
// value list, the same field level 5 of the DPI page shows and the mouse
// receives): 250, 500, 1000, 1500, 2000, 2500, 3000, 4000.
inline constexpr std::array<int, 8> kSensitivityChoices = {1, 2, 4, 6, 8, 9, 10, 12};

// Stores the value of button `index` of the group.
void ChooseInGroup(Profile& profile, PerformanceGroup group, int index);
// The button of the group that shows held down for the profile; -1 for none.
int HeldDownIndex(const Profile& profile, PerformanceGroup group);

// The acceleration toggle: the flag, and acceleration row 8 while it is on.
void SetAcceleration(Profile& profile, bool on);

// The four sliders, by control identifier.
enum PerformanceSlider : int {
  kDoubleClickSlider = 201,
  kPointerSpeedSlider = 202,
  kScrollSpeedSlider = 203,
  kTiltSpeedSlider = 204,
};
inline constexpr std::array<int, 4> kPerformanceSliders = {kDoubleClickSlider, kPointerSpeedSlider,
                                                           kTiltSpeedSlider, kScrollSpeedSlider};
struct SliderSetup {
  int minimum, maximum;
  bool snap;
};
SliderSetup PerformanceSliderSetup(int slider);

// Pointer speed of a speed-slider position, and the position of a speed.
int MouseSpeedAtPosition(int position);
int PositionOfMouseSpeed(int speed);

// Where the slider stands for the profile.
int SliderPosition(const Profile& profile, int slider);
// Stores a value the user set on a slider. Returns the double-click time to
// put into effect in the system at once (the double-click slider only).
std::optional<int> StoreSliderValue(Profile& profile, int slider, int value);

// The sensitivity shown beside the buttons.
std::string SensitivityText(const Profile& profile);

// Where a slider sits in a skin: its own key ("201" to "204") when the skin
// gives one, else key "0", which a skin of the older format gives all four.
Placement PerformanceSliderPlace(const CSkinDescription& skin, int slider);
