// Second process of the config.ini writer test: writes count keys named
// <prefix><i> into the file, each one guarded read-modify-write.
#include <cstdlib>
#include <string>

#include "settings/ini_file.h"

int main(int argc, char** argv) {
  if (argc != 4) return 2;
  std::string prefix = argv[2];
  int count = std::atoi(argv[3]);
  for (int i = 0; i < count; ++i) {
    if (!UpdateIniFile(
            argv[1], [&](CIniFile& ini) { ini.SetInt("Setting", prefix + std::to_string(i), i); }))
      return 1;
  }
  return 0;
}
