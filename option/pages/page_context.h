// What the button page, the macro manager and the dialogs they open work on:
// the working copy of the settings, the macro store, the installation folder,
// the captions, the slot of the button whose menu was opened last, and how
// the main dialog hears that button slots or the store changed.
#pragma once

#include <filesystem>
#include <functional>

#include "option/pages/button_label.h"
#include "settings/profile_set.h"

class CMacroStore;

struct PageContext {
  ProfileSet& working;
  CMacroStore& store;
  std::filesystem::path installFolder;
  CaptionLookup caption;
  // Button slots changed: every label of a button is shown again.
  std::function<void()> buttonsChanged;
  // The store was saved or reloaded behind the macro manager page.
  std::function<void()> storeChanged;
  // The slot of the button whose menu was opened last (the macro manager
  // opens on its macro).
  MacroKeyInfo scratch{};

  Profile& CurrentProfile() {
    const int p = working.CurrentProfile;
    return working.Profiles[p >= 0 && p < kProfileCount ? p : 0];
  }
  int CurrentIndex() const {
    const int p = working.CurrentProfile;
    return p >= 0 && p < kProfileCount ? p : 0;
  }
};
