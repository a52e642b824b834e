// Two processes writing different keys of one config.ini at the same time
// lose neither key.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "settings/file_lock.h"
#include "settings/ini_file.h"
#include "settings/profile_files.h"
#include "temp_folder.h"
#include "wingui/process_win32.h"

namespace {

class CProcess {
 public:
  explicit CProcess(const std::string& commandLine) : process_(StartProcess(commandLine)) {}

  bool Started() const { return static_cast<bool>(process_); }
  // The exit code, or -1 if it doesn't end in time.
  int Wait() { return ExitCodeWithin(process_.Get(), 120000); }

 private:
  CHandle process_;
};

TEST(ConfigWriters, TwoProcessesLoseNoKey) {
  CTempFolder dir;
  std::string config = (dir.path() / "config.ini").string();
  std::string helper =
      "\"" + (InstallFolder() / "config_writer_helper_win32.exe").string() + "\" \"" + config + "\" ";
  constexpr int kCount = 40;
  CProcess a(helper + "Monitor " + std::to_string(kCount));
  CProcess b(helper + "Option " + std::to_string(kCount));
  ASSERT_TRUE(a.Started());
  ASSERT_TRUE(b.Started());
  // This process writes too, through the same lock.
  for (int i = 0; i < kCount; ++i) WriteDeviceState(config, i);
  ASSERT_EQ(a.Wait(), 0);
  ASSERT_EQ(b.Wait(), 0);

  CIniFile ini = CIniFile::Load(config);
  for (int i = 0; i < kCount; ++i) {
    EXPECT_EQ(ini.GetInt("Setting", "Monitor" + std::to_string(i), -1), i);
    EXPECT_EQ(ini.GetInt("Setting", "Option" + std::to_string(i), -1), i);
  }
  EXPECT_EQ(ini.GetInt("Setting", "Device", -1), kCount - 1);
}

TEST(ConfigWriters, SaveReplacesAnExistingFile) {
  CTempFolder dir;
  auto path = dir.path() / "config.ini";
  CIniFile first;
  first.SetInt("Setting", "CurrentProfile", 1);
  ASSERT_TRUE(first.Save(path));
  CIniFile second;
  second.SetInt("Setting", "CurrentProfile", 2);
  ASSERT_TRUE(second.Save(path));
  EXPECT_EQ(GetPrivateProfileIntA("Setting", "CurrentProfile", -1, path.string().c_str()), 2);
}

TEST(ConfigWriters, LockNamesIgnoreCaseAndSpelling) {
  EXPECT_EQ(FileLockName("C:\\Prog\\Config.INI"), FileLockName("c:\\prog\\sub\\..\\config.ini"));
  EXPECT_NE(FileLockName("C:\\Prog\\config.ini"), FileLockName("C:\\Prog\\other.ini"));
}

}  // namespace
