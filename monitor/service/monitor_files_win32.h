// The files of Monitor on Win32: the shared block it owns, the profile files
// and config.ini in the installation folder.
#pragma once

#include <filesystem>
#include <string>

#include "monitor/service/monitor_platform.h"

class CMonitorFilesWin32 final : public CMonitorFiles {
 public:
  // folder: the installation folder.
  explicit CMonitorFilesWin32(std::filesystem::path folder) : folder_(std::move(folder)) {}
  ~CMonitorFilesWin32() override { CloseSharedBlock(); }
  CMonitorFilesWin32(const CMonitorFilesWin32&) = delete;
  CMonitorFilesWin32& operator=(const CMonitorFilesWin32&) = delete;

  bool CreateSharedMutex() override;
  bool CreateSharedBlock() override;
  void CloseSharedBlock() override;
  bool ReadSharedBlock(ProfileSet& dest) override;
  void WriteSharedBlock(const ProfileSet& src) override;
  void LoadSettings(ProfileSet& set) override;
  bool ReadOverlaySetting(OverlaySetting& record) override;
  void WriteCurrentProfile(int index) override;
  void WriteDeviceState(int present) override;
  void WriteNoticeText(const std::string& text) override;
  void WriteMacroNotice(int number, const std::string& macroName) override;

 private:
  std::filesystem::path folder_;
  bool blockOpen_ = false;
};
