#include "monitor/device/hid_library_win32.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string ProgramFolder() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string s = path;
  return s.substr(0, s.find_last_of('\\') + 1);
}

TEST(HidLibrary, MissingLibraryGivesALinkThatDoesNothing) {
  CHidLibrary link(ProgramFolder() + "no such folder\\");
  EXPECT_FALSE(link.IsBound());
  link.Set_VIDPID(0x1017, 0x2001);
  link.Open_DevMonitor(0, 1325, 1326);
  link.Open_FeatureDevice();
  EXPECT_FALSE(link.Open_ReportDevice());
  const uint8_t report[8] = {};
  link.SetFeature(report, sizeof report);
  const uint8_t packet[64] = {};
  link.WriteUSB(packet, sizeof packet);
  link.Close_FeatureDevice();
  link.Close_ReportDevice();
  link.Close_DevMonitor();
}

TEST(HidLibrary, LibraryWithoutTheEntryPointsIsNotBound) {
  // Any library lacking the entry points: the test program's folder gets a
  // copy of a system library under the device library's name.
  const std::string folder = ProgramFolder() + "hid_library_test\\";
  CreateDirectoryA(folder.c_str(), nullptr);
  char system[MAX_PATH] = {};
  GetSystemDirectoryA(system, MAX_PATH);
  const std::string target = folder + "hiddriver.dll";
  ASSERT_TRUE(CopyFileA((std::string(system) + "\\version.dll").c_str(), target.c_str(), FALSE));
  {
    CHidLibrary link(folder);
    EXPECT_FALSE(link.IsBound());
    EXPECT_FALSE(link.Open_ReportDevice());
  }
  DeleteFileA(target.c_str());
  RemoveDirectoryA(folder.c_str());
}

}  // namespace
