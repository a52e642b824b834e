// Paths from the system: whole however long, and in ANSI form for the
// records' text fields only when that names the same file.
#include "settings/system_path_win32.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A folder beside the test program, named by its long form ("\\?\"), which
// the test's own file calls need for paths longer than MAX_PATH.
class SystemPathTest : public testing::Test {
 protected:
  void TearDown() override {
    for (const std::wstring& file : files_) DeleteFileW(file.c_str());
    RemoveDirectoryW(folder_.c_str());
  }
  std::wstring MakeFolder(const std::wstring& name) {
    folder_ = L"\\\\?\\" + (ModulePath(nullptr).parent_path() / name).native();
    EXPECT_TRUE(CreateDirectoryW(folder_.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
    return folder_;
  }
  std::wstring CopyOfThisProgram(const std::wstring& name) {
    files_.push_back(folder_ + L"\\" + name);
    EXPECT_TRUE(CopyFileW(ModulePath(nullptr).c_str(), files_.back().c_str(), FALSE));
    return files_.back();
  }
  std::wstring folder_;
  std::vector<std::wstring> files_;
};

TEST_F(SystemPathTest, AModulePathLongerThanMaxPathComesWhole) {
  const std::wstring longName(240, L'x');
  MakeFolder(longName);
  HMODULE module = LoadLibraryExW(CopyOfThisProgram(L"copy.dll").c_str(), nullptr,
                                  DONT_RESOLVE_DLL_REFERENCES);
  ASSERT_NE(module, nullptr);
  const std::filesystem::path path = ModulePath(module);
  FreeLibrary(module);
  EXPECT_GT(path.native().size(), static_cast<size_t>(MAX_PATH));
  EXPECT_EQ(path.filename(), "copy.dll");
  EXPECT_EQ(path.parent_path().filename().native(), longName);
}

TEST_F(SystemPathTest, APathOutsideTheAnsiCodePageIsKeptInItsShortForm) {
  const std::wstring folder = MakeFolder(L"Настройки 设置");
  const std::wstring file = CopyOfThisProgram(L"игра.exe");
  const std::string ansi = AnsiFromPath(file.substr(4));  // without "\\?\"
  ASSERT_FALSE(ansi.empty());
  EXPECT_EQ(ansi.find('?'), std::string::npos);
  // The ANSI text names the same file.
  EXPECT_NE(GetFileAttributesW(PathFromAnsi(ansi).c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(AnsiFromPath(L"C:\\Games\\Arena.exe"), "C:\\Games\\Arena.exe");
}

}  // namespace
