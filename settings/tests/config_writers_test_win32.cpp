// Two processes writing different keys of one config.ini at the same time
// lose neither key.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "settings/ini_file.h"
#include "settings/file_lock.h"
#include "settings/profile_files.h"
#include "temp_folder.h"

namespace {

class Process {
 public:
  explicit Process(std::string commandLine) {
    STARTUPINFOA si{};
    si.cb = sizeof si;
    started_ = CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                              nullptr, &si, &info_) != 0;
  }
  ~Process() {
    if (!started_) return;
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
  }
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;

  bool Started() const { return started_; }
  // The exit code, or -1 if it doesn't end in time.
  int Wait() {
    if (WaitForSingleObject(info_.hProcess, 120000) != WAIT_OBJECT_0) return -1;
    DWORD code = 1;
    GetExitCodeProcess(info_.hProcess, &code);
    return static_cast<int>(code);
  }

 private:
  PROCESS_INFORMATION info_{};
  bool started_ = false;
};

TEST(ConfigWriters, TwoProcessesLoseNoKey) {
  TempFolder dir;
  std::string config = (dir.path() / "config.ini").string();
  std::string helper =
      "\"" + (InstallFolder() / "config_writer_helper_win32.exe").string() + "\" \"" + config + "\" ";
  constexpr int kCount = 40;
  Process a(helper + "Monitor " + std::to_string(kCount));
  Process b(helper + "Option " + std::to_string(kCount));
  ASSERT_TRUE(a.Started());
  ASSERT_TRUE(b.Started());
  // This process writes too, through the same lock.
  for (int i = 0; i < kCount; ++i) WriteDeviceState(config, i);
  ASSERT_EQ(a.Wait(), 0);
  ASSERT_EQ(b.Wait(), 0);

  IniFile ini = IniFile::Load(config);
  for (int i = 0; i < kCount; ++i) {
    EXPECT_EQ(ini.GetInt("Setting", "Monitor" + std::to_string(i), -1), i);
    EXPECT_EQ(ini.GetInt("Setting", "Option" + std::to_string(i), -1), i);
  }
  EXPECT_EQ(ini.GetInt("Setting", "Device", -1), kCount - 1);
}

TEST(ConfigWriters, SaveReplacesAnExistingFile) {
  TempFolder dir;
  auto path = dir.path() / "config.ini";
  IniFile first;
  first.SetInt("Setting", "CurrentProfile", 1);
  ASSERT_TRUE(first.Save(path));
  IniFile second;
  second.SetInt("Setting", "CurrentProfile", 2);
  ASSERT_TRUE(second.Save(path));
  EXPECT_EQ(GetPrivateProfileIntA("Setting", "CurrentProfile", -1, path.string().c_str()), 2);
}

TEST(ConfigWriters, LockNamesIgnoreCaseAndSpelling) {
  EXPECT_EQ(FileLockName("C:\\Prog\\Config.INI"), FileLockName("c:\\prog\\sub\\..\\config.ini"));
  EXPECT_NE(FileLockName("C:\\Prog\\config.ini"), FileLockName("C:\\Prog\\other.ini"));
}

}  // namespace
