// The sensitivity values a level can take. A level stores an index 1..12
// into this list; the settings transfer turns the same index into the
// mouse's level code, so a page that shows or chooses a level value must go
// through this list.
#pragma once

#include <string>

#include "settings/profile_set.h"

inline constexpr int kLevelValueCount = 12;

// "250", "500", ... "4000" for indexes 1..12; "1000" for any other index.
std::string LevelValueText(int index);

// The profile the pages edit: the current one, or the first when the index
// is out of range.
Profile& EditedProfile(ProfileSet& set);
