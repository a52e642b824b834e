#include "settings/profile_files.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <string_view>
#include <system_error>

#include "settings/config_keys.h"
#include "settings/ini_file.h"
#include "settings/profile_record.h"

namespace {

using config::kSetting;

std::string Indexed(std::string_view name, int i) { return std::string(name) + std::to_string(i); }

// Visits every key of a profile file in the order a new file lists them, the
// button entries excepted (they come last, as structs). P is Profile or
// const Profile, so saving and loading share one list.
template <typename P, typename V>
void ForEachKey(P& p, V& v) {
  v.String("ProFileName", p.ProFileName);
  v.String("GameFile", p.GameFile);
  v.Int("DbleClickSpeed", p.DbleClickSpeed);
  v.Int("ScrollWheelSpeed", p.ScrollWheelSpeed);
  v.Int("ScrollWheelFlag", p.ScrollWheelFlag);
  v.Int("MouseSpeed", p.MouseSpeed);
  v.Int("Acceleration", p.Acceleration);
  v.Int("AccelerationFlag", p.AccelerationFlag);
  v.Int("TiltSpeed", p.TiltSpeed);
  v.Int("MediaOption", p.MediaOption);
  v.Int("HDDKeyboard", p.HDDKeyboard);
  v.Int("Orientation", p.Orientation);
  v.Int("XYSynchronous", p.XYSynchronous);
  v.Int("Sensitivity_X", p.Sensitivity_X);
  v.Int("Sensitivity_Y", p.Sensitivity_Y);
  v.Int("XYCpiFlag", p.XYCpiFlag);
  v.Int("LightIntensity", p.LightIntensity);
  v.Int("BreathSpeed", p.BreathSpeed);
  v.Int("TimeCloseFlag", p.TimeCloseFlag);
  for (int i = 0; i < kLevelCount; ++i) v.Int(Indexed("CpiLevel_X", i), p.CpiLevel_X[i]);
  for (int i = 0; i < kLevelCount; ++i) v.Int(Indexed("CpiLevel_Y", i), p.CpiLevel_Y[i]);
  v.Int("CpiStep", p.CpiStep);
  for (int i = 0; i < kLevelCount; ++i) v.Int(Indexed("dpiStepFlag", i), p.dpiStepFlag[i]);
  for (int i = 0; i < kLevelCount; ++i) v.Byte(Indexed("dpiIndicator", i), p.dpiIndicator[i]);
  v.Byte("DpiIndicationType", p.DpiIndicationType);
  v.Int("PollingRate", p.PollingRate);
  v.Int("LiftSwitch", p.LiftSwitch);
  v.Int("LiftLevel", p.LiftLevel);
  v.Int("LightSwitch", p.LightSwitch);
  v.Int("LightType", p.LightType);
  v.Int("ColorFlag", p.ColorFlag);
  v.Int("ColorChangeMode", p.ColorChangeMode);
  v.Int("BTOption", p.BTOption);
  v.Int("OTGSpeed", p.OTGSpeed);
  v.Byte("BtnConfiguration", p.BtnConfiguration);
  v.Byte("Color1Type", p.Color1Type);
  v.Byte("Color2Type", p.Color2Type);
  v.Byte("LightEffectSwitch1", p.LightEffectSwitch1);
  v.Byte("LightEffectSwitch2", p.LightEffectSwitch2);
  v.Byte("LightEffectType1", p.LightEffectType1);
  v.Byte("LightEffectType2", p.LightEffectType2);
  // These two keys are written again by the ColorOptions array below, which
  // replaces their values in place: the file keeps the array's values here.
  v.Byte("ColorOptions1", p.ColorOptions1);
  v.Byte("ColorOptions2", p.ColorOptions2);
  v.Byte("ColorChangeModeOptions1", p.ColorChangeModeOptions1);
  v.Byte("ColorChangeModeOptions2", p.ColorChangeModeOptions2);
  v.Byte("FireOrOnToGoStatusIndicatorSetting", p.FireOrOnToGoStatusIndicatorSetting);
  v.Byte("ProfileSwitchIndictor", p.ProfileSwitchIndictor);
  v.Int("XuanCaiDirection", p.XuanCaiDirection);
  v.Int("XuanCaiSpeed", p.XuanCaiSpeed);
  v.Int("QiSeIntensity", p.QiSeIntensity);
  v.Int("QiSeSpeed", p.QiSeSpeed);
  v.Int("QiSeType", p.QiSeType);
  v.Int("DanSeIntensity", p.DanSeIntensity);
  v.Int("DanSeSpeed", p.DanSeSpeed);
  v.Int("DanSeType", p.DanSeType);
  v.Int("DanSeSpecielSpeed", p.DanSeSpecielSpeed);
  v.Int("XuanCaiSpecielSpeed", p.XuanCaiSpecielSpeed);
  v.Int("QiSeSpecielSpeed", p.QiSeSpecielSpeed);
  v.Int("NeonSpecielSpeed", p.NeonSpecielSpeed);
  v.Int("NeonSpeed", p.NeonSpeed);
  v.Int("NeonIntensity", p.NeonIntensity);
  for (int i = 0; i < 7; ++i) v.Color(Indexed("ClQiSeColor", i), p.ClQiSeColor[i]);
  for (int i = 0; i < 8; ++i) v.Int(Indexed("ColorOptions", i), p.ColorOptions[i]);
  for (int i = 0; i < kLevelCount; ++i) v.Color(Indexed("DPIColor", i), p.DPIColor[i]);
}

struct KeyWriter {
  CIniFile& ini;
  template <size_t N>
  void String(std::string_view key, const char (&field)[N]) {
    // A field filled to the end without a terminator is cut at its size.
    ini.SetString(kSetting, key, std::string_view(field, strnlen(field, N)));
  }
  void Int(std::string_view key, int32_t value) { ini.SetInt(kSetting, key, value); }
  void Byte(std::string_view key, uint8_t value) { ini.SetInt(kSetting, key, value); }
  void Color(std::string_view key, uint32_t value) {
    ini.SetInt(kSetting, key, static_cast<int32_t>(value));
  }
};

struct KeyReader {
  const CIniFile& ini;
  template <size_t N>
  void String(std::string_view key, char (&field)[N]) {
    // Longer values are cut to the field, never past it.
    std::string v = ini.GetString(kSetting, key, "", N);
    std::memset(field, 0, N);
    std::memcpy(field, v.data(), std::min(v.size(), N - 1));
  }
  void Int(std::string_view key, int32_t& field) { field = ini.GetInt(kSetting, key, -1); }
  void Byte(std::string_view key, uint8_t& field) {
    field = static_cast<uint8_t>(ini.GetInt(kSetting, key, -1));
  }
  void Color(std::string_view key, uint32_t& field) {
    field = static_cast<uint32_t>(ini.GetInt(kSetting, key, -1));
  }
};

MacroKeyInfo DefaultButton(int b) {
  MacroKeyInfo k{};
  k.button = static_cast<uint8_t>(b);
  k.function = kDefaultButtonFunctions[b];
  return k;
}

// A stored entry is used by code that trusts its terminators and count.
void MakeSafe(MacroKeyInfo& k) {
  k.macroName[sizeof k.macroName - 1] = '\0';
  k.program[sizeof k.program - 1] = '\0';
  k.count = std::clamp<int16_t>(k.count, 0, kMacroEventCount);
}

std::filesystem::path OverlayConfigPath(const std::filesystem::path& folder, bool fromParent) {
  if (!fromParent) return ConfigFilePath(folder);
  // "C:\app\sub\" names the folder sub; its parent is C:\app.
  std::filesystem::path self = folder;
  if (!self.has_filename()) self = self.parent_path();
  return ConfigFilePath(self.parent_path());
}

}  // namespace

std::filesystem::path ConfigFilePath(const std::filesystem::path& folder) {
  return folder / config::kFileName;
}

std::filesystem::path ProfileFilePath(const std::filesystem::path& folder, int n) {
  return folder / "config" / ("Default" + std::to_string(n) + ".gmp");
}

int SaveProfile(const Profile& profile, const std::filesystem::path& path) {
  CIniFile ini = CIniFile::Load(path);
  KeyWriter writer{ini};
  ForEachKey(profile, writer);
  for (int b = 0; b < kButtonCount; ++b)
    ini.SetStruct(kSetting, Indexed("MacroKeyInfo", b), &profile.MacroKeyInfo[b],
                  sizeof(MacroKeyInfo));
  return ini.Save(path) ? 1 : 0;
}

int LoadProfile(Profile& profile, const std::filesystem::path& path) {
  CIniFile ini = CIniFile::Load(path);
  KeyReader reader{ini};
  ForEachKey(profile, reader);
  for (int b = 0; b < kButtonCount; ++b) {
    MacroKeyInfo k;
    if (ini.GetStruct(kSetting, Indexed("MacroKeyInfo", b), &k, sizeof k)) {
      MakeSafe(k);
      profile.MacroKeyInfo[b] = k;
    } else {
      profile.MacroKeyInfo[b] = DefaultButton(b);
    }
  }
  return 1;
}

int SaveAll(const std::filesystem::path& folder, const ProfileSet& block,
            CSystemSettingsStore& store) {
  if (block.CurrentProfile >= 0 && block.CurrentProfile < kProfileCount)
    store.Write(block.Profiles[block.CurrentProfile]);
  int ok = UpdateIniFile(ConfigFilePath(folder),
                         [&](CIniFile& ini) {
                           ini.SetInt(kSetting, config::kCurrentProfile, block.CurrentProfile);
                           ini.SetInt(kSetting, config::kMouseType, block.MouseType);
                         })
               ? 1
               : 0;
  for (int n = 0; n < kProfileCount; ++n)
    ok &= SaveProfile(block.Profiles[n], ProfileFilePath(folder, n));
  return ok;
}

int LoadAll(const std::filesystem::path& folder, ProfileSet& block, CSystemSettingsStore& store) {
  CIniFile config = CIniFile::Load(ConfigFilePath(folder));
  block.CurrentProfile = config.GetInt(kSetting, config::kCurrentProfile, -1);
  block.MouseType = config.GetInt(kSetting, config::kMouseType, -1);
  for (int n = 0; n < kProfileCount; ++n) {
    std::filesystem::path path = ProfileFilePath(folder, n);
    if (FileExists(path))
      LoadProfile(block.Profiles[n], path);
    else
      SetDefaultProfile(block.Profiles[n], n);
  }
  if (block.CurrentProfile >= 0 && block.CurrentProfile < kProfileCount)
    store.Read(block.Profiles[block.CurrentProfile]);
  return 1;
}

int FileExists(const std::filesystem::path& path) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) return 0;
  return std::ifstream(path, std::ios::binary).is_open() ? 1 : 0;
}

int ReadFirmwareVersion(const std::filesystem::path& folder) {
  return CIniFile::Load(ConfigFilePath(folder)).GetInt(kSetting, config::kFirmwareVersion, 100);
}

int ReadMouseType(const std::filesystem::path& folder) {
  return CIniFile::Load(ConfigFilePath(folder)).GetInt(kSetting, config::kMouseType, 0);
}

int WriteCurrentProfile(const std::filesystem::path& folder, int index) {
  return UpdateIniFile(ConfigFilePath(folder),
                       [&](CIniFile& ini) { ini.SetInt(kSetting, config::kCurrentProfile, index); })
             ? 1
             : 0;
}

int WriteDeviceState(const std::filesystem::path& configPath, int present) {
  return UpdateIniFile(configPath,
                       [&](CIniFile& ini) { ini.SetInt(kSetting, config::kDevice, present); })
             ? 1
             : 0;
}

int WriteApplyStamp(const std::filesystem::path& folder, std::time_t now) {
  uint8_t stamp[16] = {};
  auto seconds = static_cast<uint32_t>(now);
  for (int i = 0; i < 4; ++i) stamp[i] = static_cast<uint8_t>(seconds >> (8 * i));
  return UpdateIniFile(ConfigFilePath(folder),
                       [&](CIniFile& ini) {
                         ini.SetStruct(config::kApplyStampSection, config::kApplyStamp, stamp, 16);
                       })
             ? 1
             : 0;
}

int ReadOverlaySetting(const std::filesystem::path& folder, OverlaySetting& record,
                       bool fromParent) {
  CIniFile ini = CIniFile::Load(OverlayConfigPath(folder, fromParent));
  OverlaySetting read;
  if (!ini.GetStruct(config::kOverlaySettingSection, config::kOverlaySetting, &read, sizeof read))
    return 0;
  // The texts are handed to other programs as C strings.
  read.AppletText1[sizeof read.AppletText1 - 1] = '\0';
  read.AppletText2[sizeof read.AppletText2 - 1] = '\0';
  read.AppletText3[sizeof read.AppletText3 - 1] = '\0';
  record = read;
  return 1;
}

int WriteOverlaySetting(const std::filesystem::path& folder, const OverlaySetting& record) {
  return UpdateIniFile(ConfigFilePath(folder),
                       [&](CIniFile& ini) {
                         ini.SetStruct(config::kOverlaySettingSection, config::kOverlaySetting,
                                       &record, sizeof record);
                       })
             ? 1
             : 0;
}
int WriteNoticeText(const std::filesystem::path& folder, const std::string& text) {
  return UpdateIniFile(ConfigFilePath(folder),
                       [&](CIniFile& ini) {
                         ini.SetString(config::kOverlayDataSection, config::kOverlayMessage, text);
                       })
             ? 1
             : 0;
}

int WriteMacroNotice(const std::filesystem::path& folder, int number, const std::string& name) {
  return UpdateIniFile(ConfigFilePath(folder),
                       [&](CIniFile& ini) {
                         ini.SetInt(config::kMacroOverlaySection, config::kMacroNumber, number);
                         ini.SetString(config::kMacroOverlaySection, config::kMacroName, name);
                       })
             ? 1
             : 0;
}

void SetDefaultOverlaySetting(OverlaySetting& record) {
  std::memset(&record, 0, sizeof record);
  record.AppletNumber1 = 110;
  record.AppletNumber2 = 5;
}
