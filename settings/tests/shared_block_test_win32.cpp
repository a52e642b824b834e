#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "settings/shared_block.h"
#include "wingui/process_win32.h"

namespace {

constexpr char kStopEvent[] = "OspreySharedBlockTestStopWriter";

std::string HelperPath() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path);
  folder.erase(folder.find_last_of('\\') + 1);
  return folder + "shared_block_helper_win32.exe";
}

// Starts the helper; the process, or none.
CHandle StartHelper(const std::string& arguments) {
  return StartProcess("\"" + HelperPath() + "\" " + arguments);
}

DWORD Finish(const CHandle& process) {
  if (!process) return 1000;
  const int code = ExitCodeWithin(process.Get(), 60000);
  return code < 0 ? 1001 : static_cast<DWORD>(code);
}

DWORD RunHelper(const std::string& arguments) { return Finish(StartHelper(arguments)); }

std::unique_ptr<ProfileSet> Filled(int byte) {
  auto record = std::make_unique<ProfileSet>();
  std::memset(record.get(), byte, sizeof(ProfileSet));
  return record;
}

bool AllBytes(const ProfileSet& record, int byte) {
  const auto* bytes = reinterpret_cast<const unsigned char*>(&record);
  for (size_t i = 0; i < sizeof record; ++i)
    if (bytes[i] != byte) return false;
  return true;
}

// This process plays Monitor: it owns the block for the test's duration.
class SharedBlockTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(CreateSharedBlock(), 1); }
  void TearDown() override { CloseSharedBlock(); }
};

}  // namespace

TEST(SharedBlockClosed, CopiesNothingWithoutABlock) {
  EXPECT_FALSE(SharedBlockMutexExists());
  EXPECT_EQ(OpenSharedBlock(), 0);  // no Monitor: nothing to open
  auto record = Filled(0x11);
  EXPECT_EQ(ReadSharedBlock(*record), 0);
  EXPECT_TRUE(AllBytes(*record, 0x11));
  EXPECT_EQ(WriteSharedBlock(*record), 0);
  EXPECT_EQ(CloseSharedBlock(), 0);
}

TEST_F(SharedBlockTest, StartsEmptyAndKeepsWholeRecords) {
  EXPECT_TRUE(SharedBlockMutexExists());
  auto record = Filled(0x11);
  ASSERT_EQ(ReadSharedBlock(*record), 1);
  EXPECT_TRUE(AllBytes(*record, 0));
  ASSERT_EQ(WriteSharedBlock(*Filled(0x42)), 1);
  ASSERT_EQ(ReadSharedBlock(*record), 1);
  EXPECT_TRUE(AllBytes(*record, 0x42));
}

TEST_F(SharedBlockTest, EachProcessReadsWhatTheOtherWrote) {
  EXPECT_EQ(RunHelper("write 7"), 0u);
  auto record = Filled(0);
  ASSERT_EQ(ReadSharedBlock(*record), 1);
  EXPECT_TRUE(AllBytes(*record, 7));

  ASSERT_EQ(WriteSharedBlock(*Filled(9)), 1);
  EXPECT_EQ(RunHelper("expect 9"), 0u);
  EXPECT_EQ(RunHelper("expect 7"), 4u);
}

TEST_F(SharedBlockTest, ConcurrentWritesAreNeverSeenTorn) {
  const CHandle stop(CreateEventA(nullptr, TRUE, FALSE, kStopEvent));
  ASSERT_TRUE(stop);
  const CHandle writer = StartHelper(std::string("alternate ") + kStopEvent);
  ASSERT_TRUE(writer);
  auto record = Filled(0);
  // Wait for the writer's first record.
  for (int i = 0; i < 10000 && ReadSharedBlock(*record) && AllBytes(*record, 0); ++i) Sleep(1);

  int torn = 0, changes = 0;
  unsigned char last = record->CurrentProfile & 0xFF;
  for (int i = 0; i < 100000; ++i) {
    ASSERT_EQ(ReadSharedBlock(*record), 1);
    const unsigned char first = *reinterpret_cast<unsigned char*>(record.get());
    if ((first != 0xAA && first != 0x55) || !AllBytes(*record, first)) ++torn;
    if (first != last) ++changes;
    last = first;
  }
  SetEvent(stop.Get());
  EXPECT_EQ(Finish(writer), 0u);
  EXPECT_EQ(torn, 0);
  EXPECT_GT(changes, 0);  // the writer really ran alongside
  std::printf("100000 copies, %d changes of pattern seen\n", changes);
}

TEST_F(SharedBlockTest, AbandonedMutexSkipsOneCopyAndRecovers) {
  ASSERT_EQ(WriteSharedBlock(*Filled(3)), 1);
  EXPECT_EQ(RunHelper("abandon"), 0u);
  auto record = Filled(0x11);
  EXPECT_EQ(ReadSharedBlock(*record), 0);
  EXPECT_TRUE(AllBytes(*record, 0x11));  // nothing copied
  // The mutex was released again, so the next copies work.
  EXPECT_EQ(ReadSharedBlock(*record), 1);
  EXPECT_TRUE(AllBytes(*record, 3));
  EXPECT_EQ(RunHelper("abandon"), 0u);
  EXPECT_EQ(WriteSharedBlock(*Filled(5)), 0);
  EXPECT_EQ(WriteSharedBlock(*Filled(5)), 1);
}

TEST_F(SharedBlockTest, ClosingEndsTheBlock) {
  EXPECT_EQ(CloseSharedBlock(), 1);
  EXPECT_EQ(CloseSharedBlock(), 0);
  EXPECT_FALSE(SharedBlockMutexExists());
  EXPECT_EQ(RunHelper("write 1"), 1u);  // Option finds no block to open
}
