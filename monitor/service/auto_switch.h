// The automatic profile switch: which profile's GameFile names the program in
// the foreground.
#pragma once

#include <string>
#include <string_view>

#include "settings/profile_set.h"

// File name and extension of a GameFile path, trimmed; empty when none.
std::string GameFileName(const Profile& profile);
// The lowest profile whose GameFile names programName (case-insensitive), or -1.
int ProfileForProgram(const ProfileSet& set, std::string_view programName);
