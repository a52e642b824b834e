// A writer killed at any moment of a save leaves every settings file
// loadable, holding either the old or the new content.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <random>
#include <thread>

#include "settings/ini_file.h"
#include "settings/profile_files.h"
#include "settings/profile_record.h"
#include "temp_folder.h"

namespace {

class CNoStore : public CSystemSettingsStore {
 public:
  int Write(const Profile&) override { return 1; }
  int Read(Profile&) override { return 1; }
};

// Version v of the whole set: every profile carries v in several places, the
// last button entry included, so a file cut anywhere would show.
std::unique_ptr<ProfileSet> Version(int v) {
  auto set = std::make_unique<ProfileSet>();
  ClearProfileSet(*set);
  SetDefaultSettings(*set);
  set->CurrentProfile = v % kProfileCount;
  set->MouseType = v;
  for (Profile& p : set->Profiles) {
    p.DbleClickSpeed = 100 + v;
    p.DanSeType = v;
    p.MacroKeyInfo[15].repeat = v;
  }
  return set;
}

TEST(SaveKill, EveryFileLoadsWholeAfterTheWriterIsKilled) {
  CTempFolder dir;
  std::filesystem::create_directories(dir.path() / "config");
  CNoStore store;
  ASSERT_EQ(SaveAll(dir.path(), *Version(0), store), 1);
  std::mt19937 random(42);

  for (int round = 0; round < 25; ++round) {
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      // Alternate between two versions as fast as possible until killed.
      auto a = Version(1), b = Version(2);
      CNoStore childStore;
      for (int i = 0;; ++i) SaveAll(dir.path(), (i % 2) ? *b : *a, childStore);
    }
    std::this_thread::sleep_for(std::chrono::microseconds(500 + random() % 20000));
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);

    auto loaded = std::make_unique<ProfileSet>();
    ClearProfileSet(*loaded);
    LoadAll(dir.path(), *loaded, store);
    EXPECT_TRUE(loaded->MouseType >= 0 && loaded->MouseType <= 2) << loaded->MouseType;
    EXPECT_EQ(loaded->CurrentProfile, loaded->MouseType % kProfileCount);
    for (int n = 0; n < kProfileCount; ++n) {
      SCOPED_TRACE("round " + std::to_string(round) + " profile " + std::to_string(n));
      ASSERT_TRUE(FileExists(ProfileFilePath(dir.path(), n)));
      const Profile& p = loaded->Profiles[n];
      int v = p.DanSeType;
      EXPECT_TRUE(v >= 0 && v <= 2) << v;
      EXPECT_EQ(p.DbleClickSpeed, 100 + v);
      EXPECT_EQ(p.MacroKeyInfo[15].repeat, v);
    }
  }
}

}  // namespace
