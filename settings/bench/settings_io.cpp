// Prints how long LoadAll followed by SaveAll of the five profile files and
// config.ini takes (median of many runs).
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <system_error>
#include <vector>

#include "settings/profile_files.h"
#include "settings/profile_record.h"

namespace {
class CNoStore : public CSystemSettingsStore {
 public:
  int Write(const Profile&) override { return 1; }
  int Read(Profile&) override { return 1; }
};
}  // namespace

int main() {
  std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("settings_io_" + std::to_string(std::random_device{}()));
  std::filesystem::create_directories(folder / "config");
  CNoStore store;
  auto set = std::make_unique<ProfileSet>();
  ClearProfileSet(*set);
  SetDefaultSettings(*set);
  SaveAll(folder, *set, store);

  constexpr int kRuns = 200;
  std::vector<double> ms;
  for (int i = 0; i < kRuns; ++i) {
    auto start = std::chrono::steady_clock::now();
    LoadAll(folder, *set, store);
    set->Profiles[i % kProfileCount].MouseSpeed = 1 + i % 20;
    SaveAll(folder, *set, store);
    ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(ms.begin(), ms.end());
  std::printf("LoadAll + SaveAll (5 profiles + config.ini): median %.3f ms, best %.3f ms over %d runs\n",
              ms[ms.size() / 2], ms.front(), kRuns);
  std::error_code ec;
  std::filesystem::remove_all(folder, ec);
  return 0;
}
