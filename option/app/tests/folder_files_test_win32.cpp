// The file side of export and import on the real file system: removing the
// old export, replacing a profile file by a copy (archive + hidden), reading
// it back.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "option/app/option_links_win32.h"
#include "settings/profile_record.h"

namespace fs = std::filesystem;

namespace {

class FolderFilesTest : public testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    dir_ = fs::path(temp) / "option_folder_files_test";
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    for (const auto& entry : fs::recursive_directory_iterator(dir_))
      SetFileAttributesA(entry.path().string().c_str(), FILE_ATTRIBUTE_NORMAL);
    fs::remove_all(dir_);
  }
  std::string Path(const char* name) const { return (dir_ / name).string(); }

  fs::path dir_;
  CMacroStore store_;
};

TEST_F(FolderFilesTest, RemoveFileDeletesAndToleratesAMissingFile) {
  CFolderFiles files(dir_.string() + "\\", store_);
  std::ofstream(Path("old.gmp")) << "[Setting]\n";
  files.RemoveFile(Path("old.gmp"));
  EXPECT_FALSE(fs::exists(Path("old.gmp")));
  files.RemoveFile(Path("old.gmp"));  // nothing there: quietly nothing
  EXPECT_FALSE(files.CanRead(Path("old.gmp")));
}

TEST_F(FolderFilesTest, ExportedProfileReplacesTheTargetAndReadsBack) {
  CFolderFiles files(dir_.string() + "\\", store_);
  Profile exported{};
  SetDefaultProfile(exported, 2);
  exported.MacroKeyInfo[7].function = 5;
  exported.MacroKeyInfo[7].data[0] = 0x0E;
  files.SaveProfile(exported, Path("exported.gmp"));
  std::ofstream(Path("Default2.gmp")) << "[Setting]\nOrientation=1\n";

  files.ReplaceWithCopy(Path("exported.gmp"), Path("Default2.gmp"));
  const DWORD attributes = GetFileAttributesA(Path("Default2.gmp").c_str());
  EXPECT_TRUE(attributes & FILE_ATTRIBUTE_HIDDEN);
  EXPECT_TRUE(attributes & FILE_ATTRIBUTE_ARCHIVE);

  Profile loaded{};
  ASSERT_TRUE(files.LoadProfile(loaded, Path("Default2.gmp")));
  EXPECT_EQ(loaded.MacroKeyInfo[7].function, 5);
  EXPECT_EQ(loaded.MacroKeyInfo[7].data[0], 0x0E);
  EXPECT_EQ(loaded.Orientation, exported.Orientation);
}

TEST_F(FolderFilesTest, ImportBeforeTheFirstApplyMakesTheProfilesFolder) {
  CFolderFiles files(dir_.string() + "\\", store_);
  Profile exported{};
  SetDefaultProfile(exported, 0);
  exported.Orientation = 1;
  files.SaveProfile(exported, Path("mine.gmp"));
  const std::string target = (dir_ / "config" / "Default0.gmp").string();
  files.ReplaceWithCopy(Path("mine.gmp"), target);
  Profile loaded{};
  ASSERT_TRUE(files.CanRead(target));
  files.LoadProfile(loaded, target);
  EXPECT_EQ(loaded.Orientation, 1);
}

}  // namespace
