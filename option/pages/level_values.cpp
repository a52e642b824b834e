#include "option/pages/level_values.h"

#include "settings/profile_set.h"

namespace {
constexpr int kLevelDpi[kLevelValueCount] = {250,  500,  750,  1000, 1250, 1500,
                                             1750, 2000, 2500, 3000, 3500, 4000};
}  // namespace

std::string LevelValueText(int index) {
  if (index < 1 || index > kLevelValueCount) return "1000";
  return std::to_string(kLevelDpi[index - 1]);
}

Profile& EditedProfile(ProfileSet& set) {
  const int p = set.CurrentProfile;
  return set.Profiles[p >= 0 && p < kProfileCount ? p : 0];
}
