#include "settings/profile_record.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace {

std::unique_ptr<ProfileSet> DefaultSet() {
  auto set = std::make_unique<ProfileSet>();
  ClearProfileSet(*set);
  SetDefaultSettings(*set);
  return set;
}

int FlagSum(const ProfileSet& s) {
  const auto* flags = reinterpret_cast<const int32_t*>(&s.ButtonChanged);
  int sum = 0;
  for (int i = 0; i < 106; ++i) sum += flags[i];
  return sum;
}

TEST(ProfileRecord, ClearedRecord) {
  auto s = std::make_unique<ProfileSet>();
  std::memset(s.get(), 0x5A, sizeof *s);
  ClearProfileSet(*s);
  EXPECT_EQ(s->CurrentProfile, -1);
  EXPECT_EQ(s->MouseType, 0);
  EXPECT_EQ(FlagSum(*s), 0);
  const auto* bytes = reinterpret_cast<const uint8_t*>(s->Profiles);
  EXPECT_TRUE(std::all_of(bytes, bytes + sizeof s->Profiles, [](uint8_t b) { return b == 0; }));
}

TEST(ProfileRecord, DefaultSettings) {
  auto s = DefaultSet();
  EXPECT_EQ(s->CurrentProfile, 0);
  const Profile& p2 = s->Profiles[2];
  EXPECT_STREQ(p2.ProFileName, "Default3");
  EXPECT_STREQ(s->Profiles[0].ProFileName, "Default1");
  EXPECT_STREQ(s->Profiles[4].ProFileName, "Default5");
  EXPECT_EQ(p2.MacroKeyInfo[6].function, 86);
  for (int b = 7; b <= 13; ++b) EXPECT_EQ(p2.MacroKeyInfo[b].function, 0) << b;
  EXPECT_EQ(p2.MacroKeyInfo[15].function, 10);
  for (int b = 0; b < kButtonCount; ++b) EXPECT_EQ(p2.MacroKeyInfo[b].button, b);
  EXPECT_EQ(p2.DPIColor[3], 0xFF00FFu);
  EXPECT_EQ(p2.CpiLevel_Y[4], 12);
  EXPECT_EQ(p2.ColorOptions[2], 3);
  EXPECT_EQ(p2.ClQiSeColor[6], 0xFFFFFFu);
  EXPECT_EQ(p2.DanSeType, 2);
  EXPECT_EQ(s->MouseType, 0);
  EXPECT_EQ(FlagSum(*s), 0);
}

TEST(ProfileRecord, ResettingOneProfileKeepsFieldsWithoutDefault) {
  auto s = DefaultSet();
  Profile& p = s->Profiles[1];
  p.LiftLevel = 3;
  p.BTOption = 2;
  p.dpiIndicator[4] = 9;
  std::strcpy(p.MacroKeyInfo[4].macroName, "Burst");
  p.MacroKeyInfo[4].function = 16;
  p.MacroKeyInfo[4].count = 5;
  std::strcpy(p.GameFile, "C:\\game.exe");
  SetDefaultProfile(p, 1);
  EXPECT_EQ(p.LiftLevel, 3);
  EXPECT_EQ(p.BTOption, 2);
  EXPECT_EQ(p.dpiIndicator[4], 9);
  EXPECT_STREQ(p.MacroKeyInfo[4].macroName, "");
  EXPECT_EQ(p.MacroKeyInfo[4].function, 8);
  EXPECT_EQ(p.MacroKeyInfo[4].count, 0);
  EXPECT_STREQ(p.GameFile, "");
}

TEST(ChangeFlags, MarkAllSetsEveryFlag) {
  auto s = DefaultSet();
  MarkAllChanged(*s);
  EXPECT_EQ(FlagSum(*s), 106);
  ClearChangeFlags(*s);
  // Only the button, misc and OTG groups (80 + 5 + 5) are cleared.
  EXPECT_EQ(FlagSum(*s), 16);
  EXPECT_EQ(s->ProfileIndexChanged, 1);
  EXPECT_EQ(s->SettingsChanged[4], 1);
}

TEST(ChangeFlags, MarkProfileTouchesOnlyThatProfile) {
  auto s = DefaultSet();
  MarkProfileChanged(*s, 3);
  EXPECT_EQ(FlagSum(*s), 16 + 5 + 1);
  EXPECT_EQ(s->ButtonChanged[3][15], 1);
  EXPECT_EQ(s->ButtonChanged[2][15], 0);
  EXPECT_EQ(s->LevelChanged[3], 1);
  EXPECT_EQ(s->ProfileIndexChanged, 1);
  MarkProfileChanged(*s, 5);
  MarkProfileChanged(*s, -1);
  EXPECT_EQ(FlagSum(*s), 16 + 5 + 1);
}

TEST(ChangeFlags, ComparisonSetsTheGroupOfTheChangedField) {
  auto saved = DefaultSet();
  auto working = DefaultSet();
  working->Profiles[1].LiftSwitch = 1;  // compared by nothing
  working->Profiles[1].DpiIndicationType = 7;
  working->Profiles[1].MacroKeyInfo[3].function = 0;
  ComputeChangeFlags(*saved, *working);
  EXPECT_EQ(FlagSum(*working), 0);

  working->Profiles[1].LiftLevel = 2;
  working->Profiles[2].OTGSpeed = 4;
  working->Profiles[3].PollingRate = 0;
  working->Profiles[4].CpiStep = 2;
  working->Profiles[0].ClQiSeColor[6] = 1;
  working->Profiles[2].ColorOptions2 = 9;
  working->CurrentProfile = 4;
  ComputeChangeFlags(*saved, *working);
  EXPECT_EQ(working->MiscChanged[1], 1);
  EXPECT_EQ(working->OtgSpeedChanged[2], 1);
  EXPECT_EQ(working->PollingChanged[3], 1);
  EXPECT_EQ(working->LevelChanged[4], 1);
  EXPECT_EQ(working->SettingsChanged[0], 1);
  EXPECT_EQ(working->SettingsChanged[2], 1);
  EXPECT_EQ(working->ProfileIndexChanged, 1);
  EXPECT_EQ(FlagSum(*working), 7);
}

TEST(ChangeFlags, ComparisonReplacesEarlierResultsButKeepsButtonFlags) {
  auto saved = DefaultSet();
  auto working = DefaultSet();
  MarkAllChanged(*working);
  ComputeChangeFlags(*saved, *working);
  EXPECT_EQ(FlagSum(*working), 80);
}

}  // namespace
