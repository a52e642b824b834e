// What Option's main dialog does to the settings, apart from drawing: apply,
// reset, import, export, and the answers to Monitor's messages. The window
// (Win32) reaches the core through these calls; the core reaches the window,
// the partner programs and the files through the interfaces below.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "option/pages/function_menu.h"
#include "settings/profile_set.h"

class CMacroStore;

// Buttons 0..14 have a control and a function menu on the main dialog.
inline constexpr int kMenuButtonCount = 15;

// Pages the main dialog refreshes.
enum PageMask : unsigned {
  kPageButtons = 1,
  kPageMacros = 2,
  kPagePerformance = 4,
  kPageDpi = 8,
  kPageLighting = 16,
  kPageAll = 31,
};

class COptionUi {
 public:
  virtual ~COptionUi() = default;
  // On: capture the mouse, hourglass, OK and Apply disabled. Off: the reverse.
  virtual void SetApplying(bool on) = 0;
  // The profile controls and the given pages show the working copy again.
  virtual void Refresh(unsigned pages) = 0;
  // The firmware text changed.
  virtual void ShowFirmware(const std::string& text) = 0;
};

class COptionPartners {
 public:
  virtual ~COptionPartners() = default;
  // False without Monitor (no shared block): dest is left as it was.
  virtual bool ReadSharedBlock(ProfileSet& dest) = 0;
  virtual void WriteSharedBlock(const ProfileSet& src) = 0;
  // Sends the apply request to Monitor; false when Monitor's window is missing.
  virtual bool SendApply(int mode) = 0;
  virtual void PostApplyToApplets() = 0;
};

class COptionFiles {
 public:
  virtual ~COptionFiles() = default;
  virtual void WriteOverlaySetting(const OverlaySetting& record) = 0;
  // Profiles, config.ini and the active profile's system settings.
  virtual void SaveAll(const ProfileSet& set) = 0;
  virtual void WriteApplyStamp() = 0;
  virtual void SaveMacroStore() = 0;
  // Brings the macro store in step with the macros held by the buttons, then
  // saves it.
  virtual void MergeMacrosFromProfiles(const ProfileSet& set) = 0;
  virtual int ReadFirmwareVersion() = 0;
  // Every setting from the files, defaults for what they lack.
  virtual void LoadAll(ProfileSet& into) = 0;
  // Reads a profile file into a profile; false when it can't be read.
  virtual bool LoadProfile(Profile& into, const std::filesystem::path& path) = 0;
  virtual void SaveProfile(const Profile& profile, const std::filesystem::path& path) = 0;
  // Replaces `target` by a copy of `source` (delete, copy, archive + hidden).
  virtual void ReplaceWithCopy(const std::filesystem::path& source,
                               const std::filesystem::path& target) = 0;
  virtual void RemoveFile(const std::filesystem::path& path) = 0;
  virtual bool CanRead(const std::filesystem::path& path) = 0;
};

enum class ApplyMode { Compare = 0, FlagsSet = 1 };

class COptionCore {
 public:
  COptionCore(COptionUi& ui, COptionPartners& partners, COptionFiles& files,
              std::filesystem::path installFolder);

  ProfileSet& Working() { return *working_; }
  const ProfileSet& Saved() const { return *saved_; }
  OverlaySetting& Overlay() { return overlay_; }
  bool Applying() const { return applying_; }
  Profile& CurrentProfile();

  // Start-up: the settings from the shared block (source Monitor) or, without
  // Monitor or when the block can't be read, from the files; then the macro
  // store merged and saved. `systemFromRegistry` puts the system mouse
  // settings of Windows into the active profile when the source is Monitor.
  void Start(bool fromMonitor, const std::function<void(Profile&)>& systemFromRegistry = {});

  void SelectProfile(int index);
  void SetOrientation(int orientation);
  // A command of the function menu of `button` (0..14) of the current
  // profile, with the dialog it opens. Monitor may switch the current profile
  // while that dialog is open: the choice still goes to the profile whose
  // button was clicked, and that button is marked for the mouse. False when
  // nothing changed; true also after the macro manager, which may have
  // changed any button that plays a macro.
  bool ChooseFunction(int button, unsigned command, const CMacroStore& store,
                      CFunctionDialogs& dialogs);

  // Saves, hands the set to Monitor and waits for its answer (ApplyDone).
  void Apply(ApplyMode mode);
  void ResetCurrentProfile();
  void ResetAllProfiles();
  // The chosen file (or "" when the dialog was cancelled) into the current
  // profile; the apply that follows runs either way.
  void ImportProfile(const std::filesystem::path& chosen);
  void ExportProfile(const std::filesystem::path& chosen);

  // Monitor's messages.
  void OnProfileChanged();   // 1255
  void ApplyDone();          // 1256
  void OnDeviceChanged();    // 1257
  void OnReloadAll();        // 1254

  // config\Default<n>.gmp of the current profile.
  std::filesystem::path CurrentProfileFile() const;

 private:
  int CurrentIndex() const;

  COptionUi& ui_;
  COptionPartners& partners_;
  COptionFiles& files_;
  std::filesystem::path folder_;
  std::unique_ptr<ProfileSet> saved_;
  std::unique_ptr<ProfileSet> working_;
  OverlaySetting overlay_{};
  bool applying_ = false;
};

// Paths compare as the file system does: without regard to case.
bool SamePathIgnoringCase(const std::filesystem::path& a, const std::filesystem::path& b);
