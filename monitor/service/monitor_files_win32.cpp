#include "monitor/service/monitor_files_win32.h"

#include <memory>

#include "settings/profile_files.h"
#include "settings/profile_record.h"
#include "settings/shared_block.h"
#include "settings/system_settings_store.h"

bool CMonitorFilesWin32::CreateSharedMutex() { return !SharedBlockMutexExists(); }

bool CMonitorFilesWin32::CreateSharedBlock() {
  blockOpen_ = ::CreateSharedBlock() == 1;
  return blockOpen_;
}

void CMonitorFilesWin32::CloseSharedBlock() {
  if (blockOpen_) ::CloseSharedBlock();
  blockOpen_ = false;
}

bool CMonitorFilesWin32::ReadSharedBlock(ProfileSet& dest) {
  // Read into a scratch record: a failed read must leave the copy whole.
  auto scratch = std::make_unique<ProfileSet>();
  if (::ReadSharedBlock(*scratch) != 1) return false;
  dest = *scratch;
  return true;
}

void CMonitorFilesWin32::WriteSharedBlock(const ProfileSet& src) { ::WriteSharedBlock(src); }

void CMonitorFilesWin32::LoadSettings(ProfileSet& set) {
  ClearProfileSet(set);
  if (LoadAll(folder_, set, DefaultSystemSettingsStore()) != 1) SetDefaultSettings(set);
}

bool CMonitorFilesWin32::ReadOverlaySetting(OverlaySetting& record) {
  return ::ReadOverlaySetting(folder_, record, false) == 1;
}

void CMonitorFilesWin32::WriteCurrentProfile(int index) { ::WriteCurrentProfile(folder_, index); }

void CMonitorFilesWin32::WriteDeviceState(int present) {
  ::WriteDeviceState(ConfigFilePath(folder_), present);
}

void CMonitorFilesWin32::WriteNoticeText(const std::string& text) {
  ::WriteNoticeText(folder_, text);
}

void CMonitorFilesWin32::WriteMacroNotice(int number, const std::string& macroName) {
  ::WriteMacroNotice(folder_, number, macroName);
}
