// Operations on the settings record shared by both programs: clearing it,
// the default builder and the change flags that tell Monitor what to write
// into the mouse on the next apply.
#pragma once

#include "settings/profile_set.h"

// Default function codes of buttons 0..15.
inline constexpr uint8_t kDefaultButtonFunctions[kButtonCount] = {1, 2, 3, 7, 8, 13, 86, 0,
                                                                  0, 0, 0, 0, 0, 0, 9, 10};

// CurrentProfile -1, MouseType 0, every other byte 0.
void ClearProfileSet(ProfileSet& block);
// The defaults of profile number n (0..4). Fields without a default
// (dpiIndicator, LiftSwitch, LiftLevel, ColorChangeMode, BTOption, padding)
// keep their values.
void SetDefaultProfile(Profile& profile, int n);
// CurrentProfile 0 and the defaults of all five profiles; MouseType and the
// change flags are kept.
void SetDefaultSettings(ProfileSet& block);

// Every change flag set: the whole set goes into the mouse.
void MarkAllChanged(ProfileSet& block);
// Every flag of profile p, and ProfileIndexChanged. p outside 0..4 is ignored.
void MarkProfileChanged(ProfileSet& block, int p);
// ButtonChanged, MiscChanged and OtgSpeedChanged cleared; the other groups
// are recomputed by every apply.
void ClearChangeFlags(ProfileSet& block);
// Compares working with saved and stores the per-profile flag groups and
// ProfileIndexChanged into working. ButtonChanged is left to the pages.
void ComputeChangeFlags(const ProfileSet& saved, ProfileSet& working);
