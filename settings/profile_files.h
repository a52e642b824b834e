// The settings on disk: one profile file per profile (config\Default0.gmp to
// config\Default4.gmp, and any exported *.gmp) and config.ini, all INI files
// in the installation folder, whose path every function that touches files
// takes.
#pragma once

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <string>

#include "settings/profile_set.h"
#include "settings/system_settings_store.h"

// The folder of the running program with a trailing separator; empty if the
// program path can't be obtained.
std::filesystem::path InstallFolder();

// config.ini and the profile file of profile n (0-based) under folder.
std::filesystem::path ConfigFilePath(const std::filesystem::path& folder);
std::filesystem::path ProfileFilePath(const std::filesystem::path& folder, int n);

// One profile file, written whole: every key of the profile in its order,
// other content of an existing file kept. 1, or 0 if it can't be written.
int SaveProfile(const Profile& profile, const std::filesystem::path& path);
// Every key into its field: a missing key gives -1 (255 for byte fields, an
// empty string for the names); a MacroKeyInfo that is missing or fails its
// checksum gets the default entry of its button. Returns 1.
int LoadProfile(Profile& profile, const std::filesystem::path& path);

// The apply-time save: system settings of the current profile, then
// CurrentProfile and MouseType into config.ini, then the five profile files.
int SaveAll(const std::filesystem::path& folder, const ProfileSet& block,
            CSystemSettingsStore& store);
// The start-up load: CurrentProfile and MouseType (default -1), each profile
// from its file or the defaults, then the system settings of the current
// profile over its file values. Returns 1.
int LoadAll(const std::filesystem::path& folder, ProfileSet& block, CSystemSettingsStore& store);

// 1 if path is a file that can be opened for reading.
int FileExists(const std::filesystem::path& path);

// "FWVersion" (default 100) and "MouseType" (default 0) of config.ini.
int ReadFirmwareVersion(const std::filesystem::path& folder);
int ReadMouseType(const std::filesystem::path& folder);

// Single keys of config.ini, each a guarded read-modify-write of the file.
int WriteCurrentProfile(const std::filesystem::path& folder, int index);
int WriteDeviceState(const std::filesystem::path& configPath, int present);
// The stamp of the last apply: the time in seconds since 1970 (low 32 bits,
// little-endian) in a 16-byte struct.
int WriteApplyStamp(const std::filesystem::path& folder, std::time_t now);

// The notice settings of config.ini. With fromParent, config.ini is looked up
// in the parent of folder (programs installed in a subfolder). 1 if the
// record was read; a missing or damaged value leaves it untouched.
int ReadOverlaySetting(const std::filesystem::path& folder, OverlaySetting& record,
                       bool fromParent);
int WriteOverlaySetting(const std::filesystem::path& folder, const OverlaySetting& record);
void SetDefaultOverlaySetting(OverlaySetting& record);

// The texts of the notices Monitor asks the notice program to show: the
// message of a text notice, and the number and name of a macro notice.
int WriteNoticeText(const std::filesystem::path& folder, const std::string& text);
int WriteMacroNotice(const std::filesystem::path& folder, int number, const std::string& name);
