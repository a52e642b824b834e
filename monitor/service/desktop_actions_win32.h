// The desktop actions of Monitor: synthetic input, macro playback on its own
// thread, media players and program launching.
#pragma once

#include <windows.h>

#include <memory>

#include "monitor/service/host_actions.h"
#include "settings/profile_set.h"

// Starts MacroThread; destroying the result ends it (after a running macro).
// set is Monitor's own copy, read for the current profile's buttons; window is
// Monitor's main window (owner of the repeat timers).
std::unique_ptr<CHostActions> CreateDesktopActions(const ProfileSet& set, HWND window);
