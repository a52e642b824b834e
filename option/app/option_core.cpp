#include "option/app/option_core.h"

#include <algorithm>
#include <cctype>

#include "option/app/firmware_text.h"
#include "settings/profile_files.h"
#include "settings/profile_record.h"

namespace {
bool ValidProfile(int index) { return index >= 0 && index < kProfileCount; }
}  // namespace

bool SamePathIgnoringCase(const std::string& a, const std::string& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
  });
}

OptionCore::OptionCore(OptionUi& ui, OptionPartners& partners, OptionFiles& files,
                       std::string installFolder)
    : ui_(ui),
      partners_(partners),
      files_(files),
      folder_(std::move(installFolder)),
      saved_(std::make_unique<ProfileSet>()),
      working_(std::make_unique<ProfileSet>()) {
  ClearProfileSet(*saved_);
  ClearProfileSet(*working_);
}

Profile& OptionCore::CurrentProfile() {
  const int p = ValidProfile(working_->CurrentProfile) ? working_->CurrentProfile : 0;
  return working_->Profiles[p];
}

void OptionCore::Start(bool fromMonitor, const std::function<void(Profile&)>& systemFromRegistry) {
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

void OptionCore::SelectProfile(int index) {
  if (!ValidProfile(index)) return;
  working_->CurrentProfile = index;
  ui_.Refresh(kPageAll);
}

void OptionCore::SetOrientation(int orientation) { CurrentProfile().Orientation = orientation; }

void OptionCore::Apply(ApplyMode mode) {
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

void OptionCore::ApplyDone() {
  if (!applying_) return;
  applying_ = false;
  ui_.SetApplying(false);
}

void OptionCore::ResetCurrentProfile() {
  const int p = ValidProfile(working_->CurrentProfile) ? working_->CurrentProfile : 0;
  SetDefaultProfile(working_->Profiles[p], p);
  MarkProfileChanged(*working_, p);
  ui_.Refresh(kPageAll);
  Apply(ApplyMode::FlagsSet);
}

void OptionCore::ResetAllProfiles() {
  SetDefaultSettings(*working_);
  SetDefaultOverlaySetting(overlay_);
  MarkAllChanged(*working_);
  ui_.Refresh(kPageAll);
  Apply(ApplyMode::FlagsSet);
}

std::string OptionCore::CurrentProfileFile() const {
  const int p = ValidProfile(working_->CurrentProfile) ? working_->CurrentProfile : 0;
  return folder_ + "config" + folder_.back() + "Default" + std::to_string(p) + ".gmp";
}

void OptionCore::ImportProfile(const std::string& chosen) {
  if (!chosen.empty() && files_.CanRead(chosen)) {
    const std::string target = CurrentProfileFile();
    if (!SamePathIgnoringCase(chosen, target)) files_.ReplaceWithCopy(chosen, target);
    const int p = ValidProfile(working_->CurrentProfile) ? working_->CurrentProfile : 0;
    files_.LoadProfile(working_->Profiles[p], target);
    // The mouse must get the imported buttons on the apply that follows.
    for (int b = 0; b < 6; ++b) working_->ButtonChanged[p][b] = 1;
    ui_.Refresh(kPageAll);
  }
  Apply(ApplyMode::Compare);
}

void OptionCore::ExportProfile(const std::string& chosen) {
  if (chosen.empty()) return;
  files_.RemoveFile(chosen);
  files_.SaveProfile(CurrentProfile(), chosen);
}

void OptionCore::OnProfileChanged() {
  partners_.ReadSharedBlock(*saved_);
  *working_ = *saved_;
  ui_.Refresh(kPageAll);
}

void OptionCore::OnDeviceChanged() {
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

void OptionCore::OnReloadAll() {
  ui_.ShowFirmware(FirmwareText(files_.ReadFirmwareVersion(), false));
  partners_.ReadSharedBlock(*saved_);
  ClearChangeFlags(*saved_);
  *working_ = *saved_;
  ui_.Refresh(kPageAll);
  files_.MergeMacrosFromProfiles(*working_);
}
