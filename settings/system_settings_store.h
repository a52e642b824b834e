// Where SaveAll and LoadAll put and take the seven system mouse settings of
// the active profile (double-click time, button swap, pointer speed,
// acceleration, wheel lines): the user's registry on Windows, nowhere natively.
#pragma once

#include "settings/profile_set.h"

class CSystemSettingsStore {
 public:
  virtual ~CSystemSettingsStore() = default;
  // 1 on success, -1 if a key can't be opened or created.
  virtual int Write(const Profile& profile) = 0;
  // 1 on success; 0 if the mouse key can't be opened, -1 if the desktop key
  // can't be opened (the mouse values are then already read).
  virtual int Read(Profile& profile) = 0;
};

// The store of this platform.
CSystemSettingsStore& DefaultSystemSettingsStore();
