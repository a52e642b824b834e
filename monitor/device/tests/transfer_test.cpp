#include "monitor/device/transfer.h"

#include <gtest/gtest.h>

#include "device_fixtures.h"
#include "monitor/device/macro_block.h"
#include "monitor/device/settings_block.h"
#include "settings/system_names.h"

namespace {

std::string F(const CommandReport& r) { return "F " + Hex(r.data(), r.size()); }
std::string P(int ms) { return "P " + std::to_string(ms); }

void AddBlock(std::vector<std::string>& want, const DeviceBlock& b) {
  want.push_back("U " + Hex(b.data(), 64));
  want.push_back(P(100));
  want.push_back("U " + Hex(b.data() + 64, 64));
  want.push_back(P(100));
}

class TransferTest : public ::testing::Test {
 protected:
  std::unique_ptr<ProfileSet> set = MakeDefaultSet();
  TransferLog log;
  CRecordingSink sink{log};
  CRecordingWait wait{log};
  std::vector<int> activated;
  std::unique_ptr<CTransfer> transfer =
      std::make_unique<CTransfer>(sink, wait, [this](int p) { activated.push_back(p); });

  int Pauses() const {
    int total = 0;
    for (const auto& l : log.lines) {
      if (l[0] == 'P') total += std::stoi(l.substr(2));
    }
    return total;
  }
};

TEST_F(TransferTest, FullTransferOfTheDefaultProfiles) {
  set->CurrentProfile = 1;
  set->Profiles[3].PollingRate = 0;
  set->Profiles[4].CpiStep = 4;
  EXPECT_EQ(transfer->Run(TRANSFER_FULL, *set), TransferResult::Completed);

  std::vector<std::string> want = {"F 01 88 02 00 00 00 00 74", P(200)};
  for (int p = 0; p < kProfileCount; ++p) {
    want.push_back(F(MakeCommandReport(0x03, static_cast<uint8_t>(p + 1), p == 3 ? 8 : 2)));
    want.push_back(P(200));
  }
  for (int p = 0; p < kProfileCount; ++p) {
    want.push_back(F(MakeCommandReport(0x04, static_cast<uint8_t>(p + 1), p == 4 ? 5 : 1)));
    want.push_back(P(200));
  }
  for (int p = 0; p < kProfileCount; ++p) {
    want.push_back(F(MakeCommandReport(0x0C, static_cast<uint8_t>(p + 1), 0x80)));
    AddBlock(want, BuildSettingsBlock(set->Profiles[p]));
    want.push_back(P(200));
  }
  MacroStaging staging;
  for (int p = 0; p < kProfileCount; ++p) {
    want.push_back(F(MakeCommandReport(0x0D, static_cast<uint8_t>(p + 1), 0x80)));
    AddBlock(want, BuildButtonTable(set->Profiles[p], p, staging));
    want.push_back(P(100));
  }
  want.push_back("F 02 02 00 00 00 00 00 FB");
  want.push_back(P(200));
  EXPECT_EQ(log.lines, want);
  EXPECT_EQ(Pauses(), 5900);
  EXPECT_TRUE(activated.empty());
  EXPECT_FALSE(transfer->InProgress());
}

TEST_F(TransferTest, FullTransferIgnoresTheChangeFlags) {
  set->LevelChanged[2] = 1;
  ASSERT_EQ(transfer->Run(TRANSFER_FULL, *set), TransferResult::Completed);
  EXPECT_EQ(log.lines.size(), 2u + 10 + 10 + 5 * 6 + 5 * 6 + 2);
}

TEST_F(TransferTest, ChangeTransferWithNoFlagSendsOnlyOpenAndActivate) {
  set->CurrentProfile = 4;
  // Flags the transfer doesn't read.
  for (int p = 0; p < kProfileCount; ++p) set->MiscChanged[p] = set->OtgSpeedChanged[p] = 1;
  set->ProfileIndexChanged = 1;
  EXPECT_EQ(transfer->Run(TRANSFER_CHANGES, *set), TransferResult::Completed);
  EXPECT_EQ(log.lines, (std::vector<std::string>{"F 01 88 02 00 00 00 00 74", P(200),
                                                 "F 02 05 00 00 00 00 00 F8", P(200)}));
}

TEST_F(TransferTest, ChangeTransferSendsWhatTheFlagsMark) {
  set->PollingChanged[1] = 1;
  set->LevelChanged[0] = 1;
  set->SettingsChanged[4] = 1;
  set->ButtonChanged[3][15] = 1;
  set->ButtonChanged[2][0] = 2;  // only 1 means changed
  Profile& p3 = set->Profiles[3];
  p3.MacroKeyInfo[2].function = 51;
  p3.MacroKeyInfo[9].function = kFunctionMacro;
  p3.MacroKeyInfo[9].repeat = 1;
  p3.MacroKeyInfo[9].count = 1;
  SetMacroEvent(p3.MacroKeyInfo[9], 0, {0xF0, kEventPress, 0});
  EXPECT_EQ(transfer->Run(TRANSFER_CHANGES, *set), TransferResult::Completed);

  std::vector<std::string> want = {"F 01 88 02 00 00 00 00 74", P(200),
                                   F(MakeCommandReport(0x03, 2, 2)), P(200),
                                   F(MakeCommandReport(0x04, 1, 1)), P(200),
                                   F(MakeCommandReport(0x0C, 5, 0x80))};
  AddBlock(want, BuildSettingsBlock(set->Profiles[4]));
  want.push_back(P(200));
  MacroStaging staging;
  want.push_back(F(MakeCommandReport(0x0D, 4, 0x80)));
  AddBlock(want, BuildButtonTable(p3, 3, staging));
  want.push_back(P(100));
  // Macro blocks in button order, with only the packet pauses between them.
  want.push_back(F(MakeCommandReport(0x0F, 3 * 16 + 2 + 1, 0x80)));
  MacroBlock shortcut;
  EncodeShortcut(51, shortcut);
  AddBlock(want, shortcut.bytes);
  want.push_back(F(MakeCommandReport(0x0F, 3 * 16 + 9 + 1, 0x80)));
  AddBlock(want, EncodeRecordedMacro(p3.MacroKeyInfo[9]).bytes);
  want.push_back("F 02 01 00 00 00 00 00 FC");
  want.push_back(P(200));
  EXPECT_EQ(log.lines, want);
  // 0.2 s per device-run macro on top of the steps.
  EXPECT_EQ(Pauses(), 200 + 200 + 200 + 400 + 300 + 400 + 200);
}

TEST_F(TransferTest, StagingStartsEmptyInEveryTransfer) {
  set->Profiles[0].MacroKeyInfo[7].function = 60;
  set->ButtonChanged[0][7] = 1;
  ASSERT_EQ(transfer->Run(TRANSFER_CHANGES, *set), TransferResult::Completed);
  set->Profiles[0].MacroKeyInfo[7].function = 1;
  log.lines.clear();
  ASSERT_EQ(transfer->Run(TRANSFER_CHANGES, *set), TransferResult::Completed);
  for (const auto& l : log.lines) EXPECT_NE(l.substr(0, 4), "F 0F") << l;
}

TEST_F(TransferTest, ProfileActivationThenNotice) {
  set->CurrentProfile = 3;
  EXPECT_EQ(transfer->Run(TRANSFER_PROFILE_ONLY, *set), TransferResult::Completed);
  EXPECT_EQ(log.lines, (std::vector<std::string>{"F 02 04 00 00 00 00 00 F9", P(200)}));
  EXPECT_EQ(activated, std::vector<int>{3});
}

TEST_F(TransferTest, UnknownKindSendsNothing) {
  EXPECT_EQ(transfer->Run(0, *set), TransferResult::UnknownKind);
  EXPECT_EQ(transfer->Run(4, *set), TransferResult::UnknownKind);
  EXPECT_TRUE(log.lines.empty());
}

TEST_F(TransferTest, AbortEndsAfterTheCurrentStep) {
  // The abort comes during the pause after the third report rate.
  wait.OnPause(4, [&] {
    EXPECT_TRUE(transfer->InProgress());
    transfer->RequestAbort();
  });
  EXPECT_EQ(transfer->Run(TRANSFER_FULL, *set), TransferResult::Aborted);
  EXPECT_EQ(log.lines.size(), 8u);
  EXPECT_EQ(log.lines.back(), P(200));
  EXPECT_EQ(wait.wakes(), 1);
  EXPECT_EQ(wait.cutShort(), 1);
  EXPECT_FALSE(transfer->InProgress());
}

TEST_F(TransferTest, AbortBetweenPacketsSendsNoMore) {
  wait.OnPause(12, [&] { transfer->RequestAbort(); });  // after the first settings packet
  EXPECT_EQ(transfer->Run(TRANSFER_FULL, *set), TransferResult::Aborted);
  EXPECT_EQ(log.lines.size(), 25u);
  EXPECT_EQ(log.lines[23].substr(0, 1), "U");
}

TEST_F(TransferTest, AbortedActivationGivesNoNotice) {
  wait.OnPause(1, [&] { transfer->RequestAbort(); });
  EXPECT_EQ(transfer->Run(TRANSFER_PROFILE_ONLY, *set), TransferResult::Aborted);
  EXPECT_TRUE(activated.empty());
}

TEST_F(TransferTest, UnplugJustAfterTheAttachedCheckStopsTheJobBeforeItsFirstReport) {
  bool present = true;
  auto unplug = [&] {
    present = false;
    transfer->RequestAbort();
  };
  // The mouse goes the moment the check has answered that it is there.
  EXPECT_EQ(transfer->Run(TRANSFER_FULL, *set, [&] {
    const bool answer = present;
    unplug();
    return answer;
  }), TransferResult::Aborted);
  EXPECT_TRUE(log.lines.empty());
  // Gone before the check: the job is dropped.
  EXPECT_EQ(transfer->Run(TRANSFER_PROFILE_ONLY, *set, [&] { return present; }),
            TransferResult::NoDevice);
  EXPECT_TRUE(log.lines.empty());
  EXPECT_FALSE(transfer->InProgress());
}

TEST_F(TransferTest, AbortOutsideATransferIsIgnoredAndNextTransferRuns) {
  transfer->RequestAbort();
  EXPECT_EQ(wait.wakes(), 0);
  EXPECT_EQ(transfer->Run(TRANSFER_PROFILE_ONLY, *set), TransferResult::Completed);

  wait.OnPause(2, [&] { transfer->RequestAbort(); });
  EXPECT_EQ(transfer->Run(TRANSFER_CHANGES, *set), TransferResult::Aborted);
  // A new transfer clears the abort of the last one.
  EXPECT_EQ(transfer->Run(TRANSFER_CHANGES, *set), TransferResult::Completed);
}

}  // namespace
