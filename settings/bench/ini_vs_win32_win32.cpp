// Prints the time of LoadAll + SaveAll with our INI engine against the same
// key-by-key work through the Windows private-profile functions, and the
// ratio of the two.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "settings/ini_file.h"
#include "settings/profile_files.h"
#include "settings/profile_record.h"

namespace {

class CNoStore : public CSystemSettingsStore {
 public:
  int Write(const Profile&) override { return 1; }
  int Read(Profile&) override { return 1; }
};

struct Entry {
  std::string key, value;
  bool isStruct;
};

// The keys of a profile file in their order, as GetPrivateProfileSectionA
// lists them.
std::vector<Entry> KeysOf(const std::string& path) {
  std::vector<char> buffer(65536);
  DWORD n = GetPrivateProfileSectionA("Setting", buffer.data(), buffer.size(), path.c_str());
  std::vector<Entry> entries;
  for (const char* p = buffer.data(); p < buffer.data() + n && *p; p += std::strlen(p) + 1) {
    std::string line = p;
    size_t eq = line.find('=');
    std::string key = line.substr(0, eq);
    entries.push_back({key, line.substr(eq + 1), key.rfind("MacroKeyInfo", 0) == 0});
  }
  return entries;
}

// LoadAll then SaveAll, one private-profile call per key.
void Win32LoadSave(const std::string& folder, const std::vector<Entry>& keys, ProfileSet& set) {
  std::string config = folder + "config.ini";
  set.CurrentProfile = GetPrivateProfileIntA("Setting", "CurrentProfile", -1, config.c_str());
  set.MouseType = GetPrivateProfileIntA("Setting", "MouseType", -1, config.c_str());
  char text[CIniFile::kValueBuffer];
  MacroKeyInfo info;
  for (int n = 0; n < kProfileCount; ++n) {
    std::string path = folder + "config\\Default" + std::to_string(n) + ".gmp";
    for (const Entry& e : keys) {
      if (e.isStruct)
        GetPrivateProfileStructA("Setting", e.key.c_str(), &info, sizeof info, path.c_str());
      else if (e.key == "ProFileName" || e.key == "GameFile")
        GetPrivateProfileStringA("Setting", e.key.c_str(), "", text, sizeof text, path.c_str());
      else
        GetPrivateProfileIntA("Setting", e.key.c_str(), -1, path.c_str());
    }
  }
  WritePrivateProfileStringA("Setting", "CurrentProfile", std::to_string(set.CurrentProfile).c_str(),
                             config.c_str());
  WritePrivateProfileStringA("Setting", "MouseType", std::to_string(set.MouseType).c_str(),
                             config.c_str());
  for (int n = 0; n < kProfileCount; ++n) {
    std::string path = folder + "config\\Default" + std::to_string(n) + ".gmp";
    for (const Entry& e : keys) {
      if (e.isStruct)
        WritePrivateProfileStructA("Setting", e.key.c_str(), &set.Profiles[n].MacroKeyInfo[0],
                                   sizeof(MacroKeyInfo), path.c_str());
      else
        WritePrivateProfileStringA("Setting", e.key.c_str(), e.value.c_str(), path.c_str());
    }
  }
}

template <typename F>
double MedianMs(int runs, F&& f) {
  std::vector<double> ms;
  for (int i = 0; i < runs; ++i) {
    auto start = std::chrono::steady_clock::now();
    f(i);
    ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(ms.begin(), ms.end());
  return ms[ms.size() / 2];
}

}  // namespace

int main() {
  std::filesystem::path base = std::filesystem::temp_directory_path() /
                               ("ini_vs_win32_" + std::to_string(GetCurrentProcessId()));
  std::filesystem::create_directories(base / "ours" / "config");
  std::filesystem::create_directories(base / "win32" / "config");
  std::string ours = (base / "ours").string() + "\\";
  std::string win32 = (base / "win32").string() + "\\";

  CNoStore store;
  auto set = std::make_unique<ProfileSet>();
  ClearProfileSet(*set);
  SetDefaultSettings(*set);
  SaveAll(ours, *set, store);
  SaveAll(win32, *set, store);
  std::vector<Entry> keys = KeysOf(win32 + "config\\Default0.gmp");

  const int runs = 20;
  double oursMs = MedianMs(runs, [&](int i) {
    LoadAll(ours, *set, store);
    set->Profiles[i % kProfileCount].MouseSpeed = 1 + i % 20;
    SaveAll(ours, *set, store);
  });
  double win32Ms = MedianMs(runs, [&](int) { Win32LoadSave(win32, keys, *set); });

  std::printf("LoadAll + SaveAll, 5 profiles (%zu keys each) + config.ini, median of %d runs\n",
              keys.size(), runs);
  std::printf("  our INI engine:               %8.2f ms\n", oursMs);
  std::printf("  private-profile functions:    %8.2f ms\n", win32Ms);
  std::printf("  ratio:                        %8.1f times faster\n", win32Ms / oursMs);
  std::error_code ec;
  std::filesystem::remove_all(base, ec);
  return 0;
}
