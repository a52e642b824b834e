// Puts a profile's system mouse settings into effect for the logged-on user
// at once (Monitor, after an apply, at start-up and after a profile switch).
#pragma once

#include <windows.h>

#include "settings/profile_set.h"

// ownWindow receives the settings-change notices of the pointer settings;
// it may be null. When the profile has acceleration off while the registry
// still holds some, its Acceleration is set to 0. System call failures are
// ignored: the settings are a convenience, never a reason to stop.
void ApplySystemSettings(Profile& profile, HWND ownWindow);
