#include "option/app/option_links_win32.h"

#include <filesystem>
#include <system_error>

#include "settings/profile_files.h"
#include "settings/shared_block.h"
#include "settings/system_names.h"

MonitorPartners::MonitorPartners()
    : blockOpen_(OpenSharedBlock() == 1),
      guard_(OpenMutexA(MUTEX_ALL_ACCESS, FALSE, names::kSharedBlockMutex)) {}

MonitorPartners::~MonitorPartners() {
  if (blockOpen_) CloseSharedBlock();
}

bool MonitorPartners::BlockOpen() {
  // Option may have started before Monitor: the block Monitor made since
  // is the one an apply must fill.
  if (!blockOpen_) blockOpen_ = OpenSharedBlock() == 1;
  return blockOpen_;
}

bool MonitorPartners::ReadSharedBlock(ProfileSet& dest) {
  return BlockOpen() && ::ReadSharedBlock(dest) == 1;
}

void MonitorPartners::WriteSharedBlock(const ProfileSet& src) {
  if (BlockOpen()) ::WriteSharedBlock(src);
}

bool MonitorPartners::SendApply(int mode) {
  HWND monitor = FindWindowA(nullptr, names::kMonitorTitle);
  if (!monitor) return false;
  SendMessageA(monitor, MSG_APPLY, static_cast<WPARAM>(mode), 0);
  return true;
}

void MonitorPartners::PostApplyToApplets() {
  for (const char* title : names::kAppletTitles)
    if (HWND applet = FindWindowA(nullptr, title)) PostMessageA(applet, MSG_APPLY, 0, 0);
}

void FolderFiles::WriteOverlaySetting(const OverlaySetting& record) {
  ::WriteOverlaySetting(folder_, record);
}

void FolderFiles::SaveAll(const ProfileSet& set) {
  // A first apply on a fresh installation creates the profiles' folder.
  std::error_code ignored;
  std::filesystem::create_directories(ProfileFilePath(folder_, 0).parent_path(), ignored);
  ::SaveAll(folder_, set, DefaultSystemSettingsStore());
}

void FolderFiles::WriteApplyStamp() { ::WriteApplyStamp(folder_, std::time(nullptr)); }

void FolderFiles::SaveMacroStore() { store_.Save(folder_); }

void FolderFiles::MergeMacrosFromProfiles(const ProfileSet& set) {
  store_.MergeFromProfiles(set);
  store_.Save(folder_);
}

int FolderFiles::ReadFirmwareVersion() { return ::ReadFirmwareVersion(folder_); }

void FolderFiles::LoadAll(ProfileSet& into) { ::LoadAll(folder_, into, DefaultSystemSettingsStore()); }

bool FolderFiles::LoadProfile(Profile& into, const std::filesystem::path& path) {
  return ::LoadProfile(into, path) == 1;
}

void FolderFiles::SaveProfile(const Profile& profile, const std::filesystem::path& path) {
  ::SaveProfile(profile, path);
}

void FolderFiles::ReplaceWithCopy(const std::filesystem::path& source,
                                  const std::filesystem::path& target) {
  // An import before the first apply finds no profiles' folder yet. Other
  // failures are left to show: the profile is then read from what the
  // target holds.
  std::error_code ignored;
  std::filesystem::create_directories(target.parent_path(), ignored);
  DeleteFileW(target.c_str());
  CopyFileW(source.c_str(), target.c_str(), FALSE);
  SetFileAttributesW(target.c_str(), FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN);
}

void FolderFiles::RemoveFile(const std::filesystem::path& path) { ::DeleteFileW(path.c_str()); }

bool FolderFiles::CanRead(const std::filesystem::path& path) { return ::FileExists(path) == 1; }
