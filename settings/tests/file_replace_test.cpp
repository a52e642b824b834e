// A save forces the new file's data to the disk before it moves it over the
// old file; a failed step leaves the old file and no temporary file.
#include "settings/file_replace.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class CRecordedCalls : public CFileReplace {
 public:
  std::vector<std::string> log;
  std::string failing;  // the step that fails

  bool Create(const std::filesystem::path& file) override {
    created = file;
    return Step("create");
  }
  bool Write(std::string_view bytes) override { return Step("write " + std::string(bytes)); }
  bool Flush() override { return Step("flush"); }
  bool Close() override { return Step("close"); }
  bool Move(const std::filesystem::path& from, const std::filesystem::path& to) override {
    return Step(from == created ? "move temp to " + to.filename().string() : "move other");
  }
  void Remove(const std::filesystem::path& file) override {
    Step(file == created ? "remove temp" : "remove other");
  }

  std::filesystem::path created;

 private:
  bool Step(const std::string& step) {
    log.push_back(step);
    return step.rfind(failing, 0) != 0 || failing.empty();
  }
};

TEST(FileReplace, TheDataIsFlushedBeforeTheMove) {
  CRecordedCalls calls;
  const std::filesystem::path file = std::filesystem::path("folder") / "config.ini";
  ASSERT_TRUE(ReplaceFileContent(file, "[Setting]\r\n", calls));
  EXPECT_EQ(calls.log, (std::vector<std::string>{"create", "write [Setting]\r\n", "flush", "close",
                                                 "move temp to config.ini"}));
  EXPECT_EQ(calls.created.parent_path(), file.parent_path());  // a move within one folder
  EXPECT_NE(calls.created, file);
}

TEST(FileReplace, AFailedStepKeepsTheOldFile) {
  for (const char* step : {"write", "flush", "close", "move"}) {
    CRecordedCalls calls;
    calls.failing = step;
    EXPECT_FALSE(ReplaceFileContent("config.ini", "x", calls)) << step;
    EXPECT_EQ(calls.log.back(), "remove temp") << step;
    if (std::string(step) != "move") {
      for (const std::string& s : calls.log) EXPECT_NE(s.rfind("move", 0), 0u) << step;
    }
  }
}

}  // namespace
