// What Monitor tells the notice applet: texts and message parameters.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "settings/profile_set.h"

// The sensitivity Option shows for a CpiLevel value (list index 1..12).
int DisplayedSensitivity(int levelValue);
// Notice text for level 1..8 of the profile: "CPI: %d" for 1..5, empty beyond.
std::string LevelNoticeText(const Profile& profile, int level);
// Buttons 1 to 15 give a macro notice; button 16 never does.
inline constexpr int kLastMacroNoticeButton = 15;
// The MacroOverlay "Number" for button index 0..14.
int MacroNoticeNumber(int buttonIndex);
// The macro name of a button record, bounded by its field.
std::string MacroName(const MacroKeyInfo& info);
bool ProfileNoticesOn(const OverlaySetting& record);
bool MacroNoticesOn(const OverlaySetting& record);
// lParam of the settings refresh message.
intptr_t OverlaySettingsParam(const OverlaySetting& record);
// lParam of the profile notice.
intptr_t ProfileNoticeParam(int profile);

// Size of the text record an applet sends with WM_COPYDATA.
inline constexpr size_t kAppletTextSize = 151;
// The text of an applet's record (from byte 1 to the first NUL or the end);
// false for a record of any other size.
bool AppletText(const void* data, size_t size, std::string& text);
