#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "option/app/option_core.h"
#include "settings/macro_store.h"
#include "settings/profile_record.h"

namespace {

// Records every outside effect in order, so the tests can check sequences.
struct World : COptionUi, COptionPartners, COptionFiles {
  std::vector<std::string> log;
  bool monitor = true;
  bool block = true;
  ProfileSet shared{};
  ProfileSet files{};
  ProfileSet lastSaved{};
  int firmware = 104;
  std::string firmwareText;

  void SetApplying(bool on) override { log.push_back(on ? "busy" : "idle"); }
  void Refresh(unsigned pages) override { log.push_back("refresh " + std::to_string(pages)); }
  void ShowFirmware(const std::string& text) override { firmwareText = text; }

  bool ReadSharedBlock(ProfileSet& dest) override {
    if (!block) return false;
    dest = shared;
    return true;
  }
  void WriteSharedBlock(const ProfileSet& src) override {
    log.push_back("block");
    shared = src;
  }
  bool SendApply(int mode) override {
    log.push_back("1224 " + std::to_string(mode));
    return monitor;
  }
  void PostApplyToApplets() override { log.push_back("applets"); }

  void WriteOverlaySetting(const OverlaySetting&) override { log.push_back("overlay"); }
  void SaveAll(const ProfileSet& set) override {
    log.push_back("save");
    lastSaved = set;
  }
  void WriteApplyStamp() override { log.push_back("stamp"); }
  void SaveMacroStore() override { log.push_back("macros"); }
  void MergeMacrosFromProfiles(const ProfileSet&) override { log.push_back("merge"); }
  int ReadFirmwareVersion() override { return firmware; }
  void LoadAll(ProfileSet& into) override { into = files; }
  bool LoadProfile(Profile& into, const std::filesystem::path& path) override {
    log.push_back("load " + path.generic_string());
    std::snprintf(into.ProFileName, sizeof into.ProFileName, "Imported");
    return true;
  }
  void SaveProfile(const Profile& profile, const std::filesystem::path& path) override {
    log.push_back("export " + std::string(profile.ProFileName) + " " + path.generic_string());
  }
  void ReplaceWithCopy(const std::filesystem::path& source,
                       const std::filesystem::path& target) override {
    log.push_back("copy " + source.generic_string() + " " + target.generic_string());
  }
  void RemoveFile(const std::filesystem::path& path) override {
    log.push_back("delete " + path.generic_string());
  }
  bool CanRead(const std::filesystem::path& path) override { return path.stem() != "missing"; }
};

// The function menu's dialogs, each answering as the test says.
struct Dialogs : CFunctionDialogs {
  std::function<bool(int&)> player = [](int&) { return true; };
  int warnings = 0;
  void WarnPrimaryClick() override { ++warnings; }
  bool ChooseProgram(std::string&) override { return false; }
  bool ChoosePlayer(int& p) override { return player(p); }
  bool ChooseKeyCombination(uint8_t&, uint8_t&) override { return false; }
  void ManageMacros() override { ++managed; }
  int managed = 0;
};

struct OptionCoreTest : testing::Test {
  World w;
  COptionCore core{w, w, w, "C:/Osprey/"};
  CMacroStore store;
  Dialogs dialogs;
  OptionCoreTest() {
    SetDefaultSettings(w.shared);
    SetDefaultSettings(w.files);
    core.Start(true);
    w.log.clear();
  }
};

TEST_F(OptionCoreTest, ApplyRunsItsStepsInOrderAndWaitsForMonitor) {
  core.Working().Profiles[0].LiftLevel = 3;
  core.Apply(ApplyMode::Compare);
  EXPECT_EQ(w.log, (std::vector<std::string>{"busy", "block", "overlay", "save", "1224 0", "applets",
                                             "stamp", "macros"}));
  EXPECT_TRUE(core.Applying());
  // The block carries the computed flags; the working copy is clean again.
  EXPECT_EQ(w.shared.MiscChanged[0], 1);
  EXPECT_EQ(core.Working().MiscChanged[0], 0);
  EXPECT_EQ(core.Saved().Profiles[0].LiftLevel, 3);
  core.ApplyDone();
  EXPECT_FALSE(core.Applying());
  EXPECT_EQ(w.log.back(), "idle");
}

TEST_F(OptionCoreTest, ApplyWithoutMonitorFinishesAtOnce) {
  w.monitor = false;
  core.Apply(ApplyMode::Compare);
  EXPECT_FALSE(core.Applying());
  EXPECT_EQ(w.log.back(), "idle");
}

TEST_F(OptionCoreTest, SelectingAProfileOnlyChangesTheWorkingCopy) {
  core.SelectProfile(3);
  EXPECT_EQ(core.Working().CurrentProfile, 3);
  EXPECT_EQ(w.shared.CurrentProfile, 0);
  core.SelectProfile(7);  // out of range: ignored
  EXPECT_EQ(core.Working().CurrentProfile, 3);
  core.Apply(ApplyMode::Compare);
  EXPECT_EQ(w.shared.ProfileIndexChanged, 1);
}

TEST_F(OptionCoreTest, ResetAllMakesProfileOneCurrentAndAppliesWithFlagsSet) {
  core.SelectProfile(2);
  core.Working().Profiles[4].MouseSpeed = 2;
  core.Overlay().AppletNumber1 = 0;
  core.ResetAllProfiles();
  EXPECT_EQ(w.shared.CurrentProfile, 0);
  EXPECT_EQ(w.shared.Profiles[4].MouseSpeed, 10);
  EXPECT_EQ(w.shared.ButtonChanged[4][15], 1);
  EXPECT_EQ(core.Overlay().AppletNumber1, 110);
  EXPECT_NE(std::find(w.log.begin(), w.log.end(), "1224 1"), w.log.end());
}

TEST_F(OptionCoreTest, ResetCurrentMarksOnlyThatProfile) {
  core.SelectProfile(1);
  core.Working().Profiles[1].LiftLevel = 5;  // kept by a reset
  core.Working().Profiles[1].TiltSpeed = 9;
  core.ResetCurrentProfile();
  EXPECT_EQ(w.shared.Profiles[1].TiltSpeed, 3);
  EXPECT_EQ(w.shared.Profiles[1].LiftLevel, 5);
  EXPECT_EQ(w.shared.SettingsChanged[1], 1);
  EXPECT_EQ(w.shared.SettingsChanged[0], 0);
}

TEST_F(OptionCoreTest, ImportCopiesUnlessItIsTheProfilesOwnFile) {
  core.ImportProfile("D:/exports/mine.gmp");
  EXPECT_EQ(w.log[0], "copy D:/exports/mine.gmp C:/Osprey/config/Default0.gmp");
  EXPECT_EQ(w.log[1], "load C:/Osprey/config/Default0.gmp");
  EXPECT_STREQ(w.shared.Profiles[0].ProFileName, "Imported");
  EXPECT_EQ(w.shared.ButtonChanged[0][5], 1);
  core.ApplyDone();

  w.log.clear();
  core.ImportProfile("c:/OSPREY/CONFIG/default0.GMP");
  EXPECT_EQ(w.log[0], "load C:/Osprey/config/Default0.gmp");  // no copy onto itself
}

TEST_F(OptionCoreTest, CancelledOrUnreadableImportStillApplies) {
  core.ImportProfile("");
  EXPECT_EQ(w.log[0], "busy");
  core.ApplyDone();
  w.log.clear();
  core.ImportProfile("D:/missing.gmp");
  EXPECT_EQ(w.log[0], "busy");
}

TEST_F(OptionCoreTest, ExportWritesTheCurrentProfileOverAnyOldFile) {
  core.ExportProfile("D:/out.gmp");
  EXPECT_EQ(w.log, (std::vector<std::string>{"delete D:/out.gmp", "export Default1 D:/out.gmp"}));
}

TEST_F(OptionCoreTest, MonitorMessagesTakeWhatTheMouseChanged) {
  core.Working().Profiles[0].TiltSpeed = 7;  // unapplied edit
  w.shared.Profiles[0].CpiStep = 3;
  w.shared.Profiles[0].Sensitivity_Y = 12;
  w.shared.Profiles[0].PollingRate = 0;
  w.shared.Profiles[0].MouseSpeed = 4;  // not one of the four mirrored fields
  core.OnDeviceChanged();
  EXPECT_EQ(core.Working().Profiles[0].CpiStep, 3);
  EXPECT_EQ(core.Working().Profiles[0].Sensitivity_Y, 12);
  EXPECT_EQ(core.Working().Profiles[0].PollingRate, 0);
  EXPECT_EQ(core.Working().Profiles[0].MouseSpeed, 10);
  EXPECT_EQ(core.Working().Profiles[0].TiltSpeed, 7);

  w.shared.CurrentProfile = 2;
  core.OnProfileChanged();
  EXPECT_EQ(core.Working().CurrentProfile, 2);
  EXPECT_EQ(core.Working().Profiles[0].TiltSpeed, 3);
}

TEST_F(OptionCoreTest, AChoiceMadeWhileTheMouseSwitchedProfileMarksTheButtonThatChanged) {
  core.SelectProfile(1);
  w.shared.CurrentProfile = 3;
  dialogs.player = [&](int& player) {
    core.OnProfileChanged();  // the mouse's profile button, while the chooser is open
    player = 3;
    return true;
  };
  EXPECT_TRUE(core.ChooseFunction(4, kCmdStartPlayer, store, dialogs));
  EXPECT_EQ(core.Working().CurrentProfile, 3);
  EXPECT_EQ(core.Working().Profiles[1].MacroKeyInfo[4].function, 25);
  EXPECT_EQ(core.Working().Profiles[1].MediaOption, 3);
  EXPECT_EQ(core.Working().ButtonChanged[1][4], 1);
  EXPECT_EQ(core.Working().ButtonChanged[3][4], 0);
}

TEST_F(OptionCoreTest, ACancelledChooserChangesNothing) {
  Profile& profile = core.Working().Profiles[0];
  const int before = profile.MacroKeyInfo[4].function;
  profile.MediaOption = 1;
  dialogs.player = [](int& player) {
    player = 3;
    return false;
  };
  EXPECT_FALSE(core.ChooseFunction(4, kCmdStartPlayer, store, dialogs));
  EXPECT_EQ(profile.MacroKeyInfo[4].function, before);
  EXPECT_EQ(profile.MediaOption, 1);
  EXPECT_EQ(core.Working().ButtonChanged[0][4], 0);
  // Taking the primary click from the only button that has it is refused.
  EXPECT_FALSE(core.ChooseFunction(0, 1002, store, dialogs));
  EXPECT_EQ(dialogs.warnings, 1);
  // The macro manager opens, and the labels must follow what it did.
  EXPECT_TRUE(core.ChooseFunction(4, kCmdMacroManager, store, dialogs));
  EXPECT_EQ(dialogs.managed, 1);
  EXPECT_EQ(profile.MacroKeyInfo[4].function, before);
}

TEST_F(OptionCoreTest, FullReloadClearsFlagsAndMergesMacros) {
  w.shared.ButtonChanged[1][1] = 1;
  w.firmware = 1234;
  core.OnReloadAll();
  EXPECT_EQ(core.Saved().ButtonChanged[1][1], 0);
  EXPECT_EQ(w.firmwareText, "1.234");
  EXPECT_EQ(w.log.back(), "merge");
}

TEST(OptionCoreStart, ABlockThatCantBeReadGivesTheSettingsOfTheFiles) {
  World w;
  w.block = false;  // Monitor's block is there, its lock abandoned
  COptionCore core{w, w, w, "/opt/osprey/"};
  SetDefaultSettings(w.files);
  std::snprintf(w.files.Profiles[2].ProFileName, 250, "FromFile");
  bool registryRead = false;
  core.Start(true, [&](Profile&) { registryRead = true; });
  EXPECT_STREQ(core.Working().Profiles[2].ProFileName, "FromFile");
  EXPECT_FALSE(registryRead);  // only with Monitor running
  EXPECT_EQ(w.firmwareText, "1.04");
  EXPECT_EQ(core.CurrentProfileFile(), "/opt/osprey/config/Default0.gmp");
}

TEST(OptionCoreStart, AFirstStartWithoutConfigMakesProfileOneActive) {
  World w;
  w.block = false;
  COptionCore core{w, w, w, "/opt/osprey/"};
  SetDefaultSettings(w.files);
  w.files.CurrentProfile = -1;  // what a missing "CurrentProfile" key reads as
  core.Start(false);
  EXPECT_EQ(core.Working().CurrentProfile, 0);
}

}  // namespace
