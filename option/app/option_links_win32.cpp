#include "option/app/option_links_win32.h"

#include <filesystem>
#include <system_error>

#include "settings/profile_files.h"
#include "settings/shared_block.h"
#include "settings/system_names.h"

CMonitorPartners::CMonitorPartners()
    : blockOpen_(OpenSharedBlock() == 1),
      guard_(OpenMutexA(MUTEX_ALL_ACCESS, FALSE, names::kSharedBlockMutex)) {}

CMonitorPartners::~CMonitorPartners() {
  if (blockOpen_) CloseSharedBlock();
}

bool CMonitorPartners::BlockOpen() {
  // Option may have started before Monitor: the block Monitor made since
  // is the one an apply must fill.
  if (!blockOpen_) blockOpen_ = OpenSharedBlock() == 1;
  return blockOpen_;
}

bool CMonitorPartners::ReadSharedBlock(ProfileSet& dest) {
  return BlockOpen() && ::ReadSharedBlock(dest) == 1;
}

void CMonitorPartners::WriteSharedBlock(const ProfileSet& src) {
  if (BlockOpen()) ::WriteSharedBlock(src);
}

bool CMonitorPartners::SendApply(int mode) {
  HWND monitor = FindWindowA(nullptr, names::kMonitorTitle);
  if (!monitor) return false;
  SendMessageA(monitor, MSG_APPLY, static_cast<WPARAM>(mode), 0);
  return true;
}

void CMonitorPartners::PostApplyToApplets() {
  for (const char* title : names::kAppletTitles)
    if (HWND applet = FindWindowA(nullptr, title)) PostMessageA(applet, MSG_APPLY, 0, 0);
}

void CFolderFiles::WriteOverlaySetting(const OverlaySetting& record) {
  ::WriteOverlaySetting(folder_, record);
}

void CFolderFiles::SaveAll(const ProfileSet& set) {
  // A first apply on a fresh installation creates the profiles' folder.
  std::error_code ignored;
  std::filesystem::create_directories(ProfileFilePath(folder_, 0).parent_path(), ignored);
  ::SaveAll(folder_, set, DefaultSystemSettingsStore());
}

void CFolderFiles::WriteApplyStamp() { ::WriteApplyStamp(folder_, std::time(nullptr)); }

void CFolderFiles::SaveMacroStore() { store_.Save(folder_); }

void CFolderFiles::MergeMacrosFromProfiles(const ProfileSet& set) {
  store_.MergeFromProfiles(set);
  store_.Save(folder_);
}

int CFolderFiles::ReadFirmwareVersion() { return ::ReadFirmwareVersion(folder_); }

void CFolderFiles::LoadAll(ProfileSet& into) {
  ::LoadAll(folder_, into, DefaultSystemSettingsStore());
}

bool CFolderFiles::LoadProfile(Profile& into, const std::filesystem::path& path) {
  return ::LoadProfile(into, path) == 1;
}

void CFolderFiles::SaveProfile(const Profile& profile, const std::filesystem::path& path) {
  ::SaveProfile(profile, path);
}

void CFolderFiles::ReplaceWithCopy(const std::filesystem::path& source,
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

void CFolderFiles::RemoveFile(const std::filesystem::path& path) { ::DeleteFileW(path.c_str()); }

bool CFolderFiles::CanRead(const std::filesystem::path& path) { return ::FileExists(path) == 1; }
