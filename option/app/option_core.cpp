#include "option/app/option_core.h"

#include <algorithm>
#include <cstring>

#include "option/app/firmware_text.h"
#include "option/pages/macro_choice.h"
#include "settings/macro_store.h"
#include "settings/profile_files.h"
#include "settings/profile_record.h"

namespace {
// An import marks buttons 0 to 5 changed.
constexpr int kImportedButtonsMarked = 6;

bool ValidProfile(int index) { return index >= 0 && index < kProfileCount; }
}  // namespace

bool SamePathIgnoringCase(const std::filesystem::path& a, const std::filesystem::path& b) {
  // The path's own characters (UTF-16 on Windows), separators made alike;
  // letters outside ASCII are compared as they are.
  const auto x = a.lexically_normal().native();
  const auto y = b.lexically_normal().native();
  auto lower = [](auto c) { return (c >= 'A' && c <= 'Z') ? c - 'A' + 'a' : c; };
  return std::equal(x.begin(), x.end(), y.begin(), y.end(),
                    [&](auto p, auto q) { return lower(p) == lower(q); });
}

COptionCore::COptionCore(COptionUi& ui, COptionPartners& partners, COptionFiles& files,
                         std::filesystem::path installFolder)
    : ui_(ui),
      partners_(partners),
      files_(files),
      folder_(std::move(installFolder)),
      saved_(std::make_unique<ProfileSet>()),
      working_(std::make_unique<ProfileSet>()) {
  ClearProfileSet(*saved_);
  ClearProfileSet(*working_);
}

int COptionCore::CurrentIndex() const {
  return ValidProfile(working_->CurrentProfile) ? working_->CurrentProfile : 0;
}

Profile& COptionCore::CurrentProfile() { return working_->Profiles[CurrentIndex()]; }

void COptionCore::Start(bool fromMonitor, const std::function<void(Profile&)>& systemFromRegistry) {
  ClearProfileSet(*saved_);
  if (fromMonitor && partners_.ReadSharedBlock(*saved_)) {
    ClearChangeFlags(*saved_);
  } else {
    // No Monitor, or a block it can't read (a program died holding its lock).
    fromMonitor = false;
    files_.LoadAll(*saved_);
    // A first start has no config.ini yet: the first profile is the active one.
    if (!ValidProfile(saved_->CurrentProfile)) saved_->CurrentProfile = 0;
  }
  *working_ = *saved_;
  files_.MergeMacrosFromProfiles(*working_);
  // With Monitor running, the pages show what Windows uses now.
  if (fromMonitor && systemFromRegistry && ValidProfile(working_->CurrentProfile))
    systemFromRegistry(working_->Profiles[working_->CurrentProfile]);
  ui_.ShowFirmware(FirmwareText(files_.ReadFirmwareVersion()));
  ui_.Refresh(kPageAll);
}

void COptionCore::SelectProfile(int index) {
  if (!ValidProfile(index)) return;
  working_->CurrentProfile = index;
  ui_.Refresh(kPageAll);
}

void COptionCore::SetOrientation(int orientation) { CurrentProfile().Orientation = orientation; }

bool COptionCore::ChooseFunction(int button, unsigned command, const CMacroStore& store,
                                 CFunctionDialogs& dialogs) {
  if (button < 0 || button >= kMenuButtonCount) return false;
  // Fixed now: a reload from Monitor while a dialog is open replaces the
  // working copy in place, so the reference stays this profile's.
  const int p = CurrentIndex();
  Profile& profile = working_->Profiles[p];
  const int code = FunctionCodeForCommand(command);
  if (!KeepsPrimaryClick(profile, button, code, kMenuButtonCount)) {
    dialogs.WarnPrimaryClick();
    return false;
  }
  if (command == kCmdMacroManager) {
    dialogs.ManageMacros();
    return true;
  }

  MacroKeyInfo& slot = profile.MacroKeyInfo[button];
  if (command == kCmdRunProgram) {
    std::string path;
    if (slot.function == kFunctionProgram)
      path.assign(slot.program, strnlen(slot.program, sizeof slot.program));
    if (!dialogs.ChooseProgram(path) || !StoreProgramPath(slot, path)) return false;
  } else if (command == kCmdStartPlayer) {
    // The player that the media functions address is chosen where the user
    // gives a button the start-player function.
    int player = profile.MediaOption;
    if (!dialogs.ChoosePlayer(player)) return false;
    profile.MediaOption = player;
  } else if (command == kCmdShortcut) {
    uint8_t usage = slot.data[0], modifiers = slot.data[1];
    if (!dialogs.ChooseKeyCombination(usage, modifiers)) return false;
    StoreKeyCombination(slot, usage, modifiers);
  }
  StoreFunction(slot, code);
  if (command >= kCmdFirstMacro) {
    if (const MacroRecord* macro = store.Get(static_cast<int>(command - kCmdFirstMacro)))
      CopyMacroToSlot(*macro, slot);
  }
  working_->ButtonChanged[p][button] = 1;
  return true;
}

void COptionCore::Apply(ApplyMode mode) {
  applying_ = true;
  ui_.SetApplying(true);
  if (mode != ApplyMode::FlagsSet) ComputeChangeFlags(*saved_, *working_);
  partners_.WriteSharedBlock(*working_);
  files_.WriteOverlaySetting(overlay_);
  files_.SaveAll(*working_);
  const bool monitorFound = partners_.SendApply(static_cast<int>(mode));
  partners_.PostApplyToApplets();
  files_.WriteApplyStamp();
  ClearChangeFlags(*working_);
  *saved_ = *working_;
  files_.SaveMacroStore();
  if (!monitorFound) ApplyDone();
}

void COptionCore::ApplyDone() {
  if (!applying_) return;
  applying_ = false;
  ui_.SetApplying(false);
}

void COptionCore::ResetCurrentProfile() {
  const int p = CurrentIndex();
  SetDefaultProfile(working_->Profiles[p], p);
  MarkProfileChanged(*working_, p);
  ui_.Refresh(kPageAll);
  Apply(ApplyMode::FlagsSet);
}

void COptionCore::ResetAllProfiles() {
  SetDefaultSettings(*working_);
  SetDefaultOverlaySetting(overlay_);
  MarkAllChanged(*working_);
  ui_.Refresh(kPageAll);
  Apply(ApplyMode::FlagsSet);
}

std::filesystem::path COptionCore::CurrentProfileFile() const {
  return ProfileFilePath(folder_, CurrentIndex());
}

void COptionCore::ImportProfile(const std::filesystem::path& chosen) {
  if (!chosen.empty() && files_.CanRead(chosen)) {
    const std::filesystem::path target = CurrentProfileFile();
    if (!SamePathIgnoringCase(chosen, target)) files_.ReplaceWithCopy(chosen, target);
    const int p = CurrentIndex();
    files_.LoadProfile(working_->Profiles[p], target);
    // The mouse must get the imported buttons on the apply that follows.
    for (int b = 0; b < kImportedButtonsMarked; ++b) working_->ButtonChanged[p][b] = 1;
    ui_.Refresh(kPageAll);
  }
  Apply(ApplyMode::Compare);
}

void COptionCore::ExportProfile(const std::filesystem::path& chosen) {
  if (chosen.empty()) return;
  files_.RemoveFile(chosen);
  files_.SaveProfile(CurrentProfile(), chosen);
}

void COptionCore::OnProfileChanged() {
  partners_.ReadSharedBlock(*saved_);
  *working_ = *saved_;
  ui_.Refresh(kPageAll);
}

void COptionCore::OnDeviceChanged() {
  partners_.ReadSharedBlock(*saved_);
  const int p = saved_->CurrentProfile;
  if (!ValidProfile(p)) return;  // a block without an active profile changes nothing
  const Profile& from = saved_->Profiles[p];
  Profile& to = working_->Profiles[p];
  to.CpiStep = from.CpiStep;
  to.Sensitivity_X = from.Sensitivity_X;
  to.Sensitivity_Y = from.Sensitivity_Y;
  to.PollingRate = from.PollingRate;
  ui_.Refresh(kPageDpi | kPageLighting | kPagePerformance);
}

void COptionCore::OnReloadAll() {
  ui_.ShowFirmware(FirmwareText(files_.ReadFirmwareVersion(), false));
  partners_.ReadSharedBlock(*saved_);
  ClearChangeFlags(*saved_);
  *working_ = *saved_;
  ui_.Refresh(kPageAll);
  files_.MergeMacrosFromProfiles(*working_);
}
