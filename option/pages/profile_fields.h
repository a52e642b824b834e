// Storing the texts of the profile name dialog into a profile without ever
// overrunning its fixed-size fields.
#pragma once

#include <string>

#include "settings/profile_set.h"

// Longest profile name the name field accepts.
inline constexpr int kProfileNameLimit = 20;

// Stores the name (cut at the field's capacity, which the dialog's limit
// never reaches); always NUL-terminated.
void StoreProfileName(Profile& profile, const std::string& name);

// Stores the program path if it fits GameFile with its NUL; a longer path is
// refused (false) and the field stays as it was, since a cut path would name
// another file.
bool StoreGameFile(Profile& profile, const std::string& path);
