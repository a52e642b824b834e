#include "settings/profile_files.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>

#include "settings/ini_file.h"
#include "settings/profile_record.h"
#include "temp_folder.h"

namespace {

class CFakeStore : public CSystemSettingsStore {
 public:
  int Write(const Profile& p) override {
    ++writes;
    written = p.MouseSpeed;
    return 1;
  }
  int Read(Profile& p) override {
    ++reads;
    p.MouseSpeed = 17;
    return 1;
  }
  int writes = 0, reads = 0, written = 0;
};

std::unique_ptr<ProfileSet> DefaultSet() {
  auto set = std::make_unique<ProfileSet>();
  ClearProfileSet(*set);
  SetDefaultSettings(*set);
  return set;
}

std::string ReadText(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

class ProfileFiles : public ::testing::Test {
 protected:
  void SetUp() override { std::filesystem::create_directories(dir.path() / "config"); }
  std::filesystem::path Path(int n) { return ProfileFilePath(dir.path(), n); }
  CTempFolder dir;
  CFakeStore store;
};

TEST_F(ProfileFiles, DefaultProfileRoundTripsExceptTheDoubledByteKeys) {
  auto set = DefaultSet();
  ASSERT_EQ(SaveProfile(set->Profiles[0], Path(0)), 1);
  auto loaded = std::make_unique<Profile>();
  std::memset(loaded.get(), 0, sizeof(Profile));
  ASSERT_EQ(LoadProfile(*loaded, Path(0)), 1);
  Profile expected = set->Profiles[0];
  expected.ColorOptions2 = 3;  // the array element 2 wins the doubled key
  expected.ColorOptions1 = 1;
  // Fields without a default are 0 in a cleared record and read back as 0.
  EXPECT_EQ(std::memcmp(&expected, loaded.get(), sizeof(Profile)), 0);
}

TEST_F(ProfileFiles, NewFileListsKeysInOrderWithStructsLast) {
  auto set = DefaultSet();
  SaveProfile(set->Profiles[1], Path(1));
  std::string text = ReadText(Path(1));
  EXPECT_EQ(text.rfind("[Setting]\r\nProFileName=Default2\r\nGameFile=\r\nDbleClickSpeed=550\r\n", 0),
            0u);
  EXPECT_LT(text.find("ProfileSwitchIndictor=1"), text.find("XuanCaiDirection=0"));
  EXPECT_LT(text.find("ColorOptions1=1"), text.find("ColorChangeModeOptions1"));
  EXPECT_EQ(text.find("ColorOptions2=1"), std::string::npos);
  EXPECT_NE(text.find("DPIColor3=16711935\r\n"), std::string::npos);
  EXPECT_LT(text.find("DPIColor4"), text.find("MacroKeyInfo0="));
  size_t at = text.find("MacroKeyInfo15=");
  ASSERT_NE(at, std::string::npos);
  EXPECT_EQ(text.substr(at).size(), std::string("MacroKeyInfo15=").size() + 922 + 2);
}

TEST_F(ProfileFiles, MissingKeysReadAsMinusOneOr255) {
  auto set = DefaultSet();
  SaveProfile(set->Profiles[0], Path(0));
  CIniFile ini = CIniFile::Load(Path(0));
  ini.DeleteKey("Setting", "PollingRate");
  ini.DeleteKey("Setting", "BtnConfiguration");
  ini.DeleteKey("Setting", "ProFileName");
  ini.Save(Path(0));
  Profile p{};
  LoadProfile(p, Path(0));
  EXPECT_EQ(p.PollingRate, -1);
  EXPECT_EQ(p.BtnConfiguration, 255);
  EXPECT_STREQ(p.ProFileName, "");
  EXPECT_EQ(p.MouseSpeed, 10);
}

TEST_F(ProfileFiles, DamagedButtonEntryKeepsTheDefaultEntry) {
  auto set = DefaultSet();
  Profile& p = set->Profiles[0];
  p.MacroKeyInfo[3].function = kFunctionProgram;
  std::strcpy(p.MacroKeyInfo[3].program, "C:\\tools\\calc.exe");
  p.MacroKeyInfo[5].function = kFunctionKey;
  SaveProfile(p, Path(0));
  CIniFile ini = CIniFile::Load(Path(0));
  std::string v = ini.GetString("Setting", "MacroKeyInfo3", "", 4096);
  v[10] = v[10] == 'A' ? 'B' : 'A';
  ini.SetString("Setting", "MacroKeyInfo3", v);
  ini.DeleteKey("Setting", "MacroKeyInfo5");
  ini.Save(Path(0));

  Profile loaded{};
  LoadProfile(loaded, Path(0));
  EXPECT_EQ(loaded.MacroKeyInfo[3].function, kDefaultButtonFunctions[3]);
  EXPECT_STREQ(loaded.MacroKeyInfo[3].program, "");
  EXPECT_EQ(loaded.MacroKeyInfo[3].button, 3);
  EXPECT_EQ(loaded.MacroKeyInfo[5].function, kDefaultButtonFunctions[5]);
  EXPECT_EQ(loaded.MacroKeyInfo[4].function, kDefaultButtonFunctions[4]);
}

TEST_F(ProfileFiles, StoredButtonEntriesAreMadeSafeToUse) {
  auto set = DefaultSet();
  MacroKeyInfo& k = set->Profiles[0].MacroKeyInfo[2];
  k.function = kFunctionMacro;
  k.count = 300;
  std::memset(k.macroName, 'M', sizeof k.macroName);
  std::memset(k.program, 'P', sizeof k.program);
  SaveProfile(set->Profiles[0], Path(0));
  Profile loaded{};
  LoadProfile(loaded, Path(0));
  const MacroKeyInfo& l = loaded.MacroKeyInfo[2];
  EXPECT_EQ(l.count, kMacroEventCount);
  EXPECT_EQ(strnlen(l.macroName, sizeof l.macroName), 24u);
  EXPECT_EQ(strnlen(l.program, sizeof l.program), 259u);
}

TEST_F(ProfileFiles, OverlongNamesAreCutToTheirFields) {
  CIniFile ini;
  ini.SetString("Setting", "ProFileName", std::string(600, 'n'));
  ini.SetString("Setting", "GameFile", std::string(3000, 'g'));
  ini.Save(Path(0));
  auto p = std::make_unique<Profile>();
  std::memset(p.get(), 0x7F, sizeof(Profile));
  LoadProfile(*p, Path(0));
  EXPECT_EQ(strnlen(p->ProFileName, sizeof p->ProFileName), 249u);
  EXPECT_EQ(strnlen(p->GameFile, sizeof p->GameFile), 501u);
  EXPECT_EQ(p->DbleClickSpeed, -1);  // the next field is untouched by the long name
}

TEST_F(ProfileFiles, UnterminatedNameIsSavedCutAtItsField) {
  auto set = DefaultSet();
  std::memset(set->Profiles[0].ProFileName, 'x', sizeof set->Profiles[0].ProFileName);
  SaveProfile(set->Profiles[0], Path(0));
  EXPECT_EQ(CIniFile::Load(Path(0)).GetString("Setting", "ProFileName").size(), 250u);
}

TEST_F(ProfileFiles, SavingKeepsOtherContentOfTheFile) {
  std::ofstream(Path(2)) << "; exported\n[Setting]\nObsolete=5\nMouseSpeed=3\n[Extra]\nx=1\n";
  auto set = DefaultSet();
  SaveProfile(set->Profiles[2], Path(2));
  CIniFile ini = CIniFile::Load(Path(2));
  EXPECT_EQ(ini.GetInt("Setting", "Obsolete", 0), 5);
  EXPECT_EQ(ini.GetInt("Setting", "MouseSpeed", 0), 10);
  EXPECT_EQ(ini.GetInt("Extra", "x", 0), 1);
  EXPECT_EQ(ReadText(Path(2)).rfind("; exported\r\n[Setting]\r\nObsolete=5\r\nMouseSpeed=10\r\n", 0),
            0u);
}

TEST_F(ProfileFiles, SaveAllAndLoadAll) {
  auto set = DefaultSet();
  set->CurrentProfile = 2;
  set->MouseType = 3;
  set->Profiles[2].MouseSpeed = 5;
  set->Profiles[4].CpiStep = 4;
  ASSERT_EQ(SaveAll(dir.path(), *set, store), 1);
  EXPECT_EQ(store.writes, 1);
  EXPECT_EQ(store.written, 5);

  auto loaded = std::make_unique<ProfileSet>();
  ClearProfileSet(*loaded);
  ASSERT_EQ(LoadAll(dir.path(), *loaded, store), 1);
  EXPECT_EQ(loaded->CurrentProfile, 2);
  EXPECT_EQ(loaded->MouseType, 3);
  EXPECT_EQ(loaded->Profiles[4].CpiStep, 4);
  EXPECT_EQ(loaded->Profiles[2].MouseSpeed, 17);  // the system's value wins
  EXPECT_EQ(loaded->Profiles[1].MouseSpeed, 10);
  EXPECT_EQ(store.reads, 1);
}

TEST_F(ProfileFiles, LoadAllWithoutFilesGivesDefaults) {
  auto loaded = std::make_unique<ProfileSet>();
  ClearProfileSet(*loaded);
  LoadAll(dir.path(), *loaded, store);
  EXPECT_EQ(loaded->CurrentProfile, -1);
  EXPECT_EQ(loaded->MouseType, -1);
  EXPECT_STREQ(loaded->Profiles[4].ProFileName, "Default5");
  EXPECT_EQ(store.reads, 0);
}

TEST_F(ProfileFiles, CurrentProfileOutOfRangeSkipsTheSystemSettings) {
  auto set = DefaultSet();
  set->CurrentProfile = 7;
  SaveAll(dir.path(), *set, store);
  EXPECT_EQ(store.writes, 0);
  auto loaded = std::make_unique<ProfileSet>();
  ClearProfileSet(*loaded);
  LoadAll(dir.path(), *loaded, store);
  EXPECT_EQ(loaded->CurrentProfile, 7);
  EXPECT_EQ(store.reads, 0);
  EXPECT_STREQ(loaded->Profiles[3].ProFileName, "Default4");
}

TEST_F(ProfileFiles, SaveAllIntoMissingFolderChangesNothing) {
  auto set = DefaultSet();
  EXPECT_EQ(SaveAll(dir.path() / "gone", *set, store), 0);
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "gone"));
}

TEST_F(ProfileFiles, ConfigKeys) {
  EXPECT_EQ(ReadFirmwareVersion(dir.path()), 100);
  EXPECT_EQ(ReadMouseType(dir.path()), 0);
  std::ofstream(ConfigFilePath(dir.path())) << "[Setting]\nFWVersion=104\nMouseType=2\n";
  EXPECT_EQ(ReadFirmwareVersion(dir.path()), 104);
  EXPECT_EQ(ReadMouseType(dir.path()), 2);
  WriteCurrentProfile(dir.path(), 4);
  WriteDeviceState(ConfigFilePath(dir.path()), 1);
  WriteApplyStamp(dir.path(), static_cast<std::time_t>(0x1234567890LL));
  CIniFile ini = CIniFile::Load(ConfigFilePath(dir.path()));
  EXPECT_EQ(ini.GetInt("Setting", "CurrentProfile", -1), 4);
  EXPECT_EQ(ini.GetInt("Setting", "Device", -1), 1);
  EXPECT_EQ(ini.GetInt("Setting", "FWVersion", -1), 104);
  EXPECT_EQ(ini.GetString("HidAccessCode", "Code"),
            "90785634000000000000000000000000" "92");
}

TEST_F(ProfileFiles, OverlaySetting) {
  OverlaySetting record;
  SetDefaultOverlaySetting(record);
  EXPECT_EQ(record.AppletNumber1, 110);
  EXPECT_EQ(record.AppletNumber2, 5);
  EXPECT_EQ(record.Switches[2], 0);

  OverlaySetting untouched{};
  EXPECT_EQ(ReadOverlaySetting(dir.path(), untouched, false), 0);
  EXPECT_EQ(untouched.AppletNumber1, 0);

  record.Switches[3] = 1;
  std::strcpy(record.AppletText2, "mail.example.org");
  ASSERT_EQ(WriteOverlaySetting(dir.path(), record), 1);
  OverlaySetting back{};
  ASSERT_EQ(ReadOverlaySetting(dir.path(), back, false), 1);
  EXPECT_EQ(std::memcmp(&back, &record, sizeof record), 0);

  // A program in a subfolder finds the file one level up, with or without
  // the trailing separator.
  std::filesystem::create_directories(dir.path() / "Applets");
  OverlaySetting fromSub{};
  EXPECT_EQ(ReadOverlaySetting(dir.path() / "Applets" / "", fromSub, true), 1);
  EXPECT_EQ(fromSub.Switches[3], 1);
  OverlaySetting fromSub2{};
  EXPECT_EQ(ReadOverlaySetting(dir.path() / "Applets", fromSub2, true), 1);
}

TEST(InstallFolderTest, EndsWithASeparatorAndHoldsTheProgram) {
  const std::filesystem::path folder = InstallFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_FALSE(folder.has_filename());  // ends with a separator
  EXPECT_TRUE(std::filesystem::is_directory(folder));
}

TEST(FileExistsTest, FilesOnly) {
  CTempFolder dir;
  EXPECT_EQ(FileExists(dir.path() / "none"), 0);
  EXPECT_EQ(FileExists(dir.path()), 0);
  std::ofstream(dir.path() / "f") << "x";
  EXPECT_EQ(FileExists(dir.path() / "f"), 1);
}

}  // namespace
