// Option's links to the outside: the shared block and Monitor, the applets,
// and the settings files in the installation folder.
#pragma once

#include <windows.h>

#include <filesystem>

#include "option/app/option_core.h"
#include "settings/macro_store.h"
#include "wingui/handles_win32.h"

class CMonitorPartners final : public COptionPartners {
 public:
  // Opens the shared block when Monitor runs; else at the first copy in or
  // out after Monitor has started.
  CMonitorPartners();
  CMonitorPartners(const CMonitorPartners&) = delete;
  CMonitorPartners& operator=(const CMonitorPartners&) = delete;
  ~CMonitorPartners() override;
  bool MonitorRunning() const { return blockOpen_; }

  bool ReadSharedBlock(ProfileSet& dest) override;
  void WriteSharedBlock(const ProfileSet& src) override;
  bool SendApply(int mode) override;
  void PostApplyToApplets() override;

 private:
  bool BlockOpen();

  bool blockOpen_ = false;
  CHandle guard_;  // the block's mutex, held open while Option runs
};

class CFolderFiles final : public COptionFiles {
 public:
  CFolderFiles(std::filesystem::path installFolder, CMacroStore& store)
      : folder_(std::move(installFolder)), store_(store) {}

  void WriteOverlaySetting(const OverlaySetting& record) override;
  void SaveAll(const ProfileSet& set) override;
  void WriteApplyStamp() override;
  void SaveMacroStore() override;
  void MergeMacrosFromProfiles(const ProfileSet& set) override;
  int ReadFirmwareVersion() override;
  void LoadAll(ProfileSet& into) override;
  bool LoadProfile(Profile& into, const std::filesystem::path& path) override;
  void SaveProfile(const Profile& profile, const std::filesystem::path& path) override;
  void ReplaceWithCopy(const std::filesystem::path& source,
                       const std::filesystem::path& target) override;
  void RemoveFile(const std::filesystem::path& path) override;
  bool CanRead(const std::filesystem::path& path) override;

 private:
  std::filesystem::path folder_;
  CMacroStore& store_;
};
