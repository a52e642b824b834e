// The INI parser and writer on arbitrary text: reads, writes and a reparse of
// the written text must never fail, and what we read must survive a round trip.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <optional>
#include <string_view>

#include "settings/ini_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  CIniFile ini = CIniFile::Parse(text);
  // Names taken from the input itself, so that the lookups hit.
  std::string section(text.substr(0, size % 7));
  std::string key(text.substr(size % 7, size % 5));
  std::string value(text.substr(size / 2, 40));
  std::optional<std::string> before = ini.Find(section, key);
  ini.GetInt(section, key, -1);
  uint8_t record[16];
  ini.GetStruct(section, key, record, sizeof record);

  ini.SetString(section, "k", value);
  ini.SetString("Other", key, value);
  ini.DeleteKey(section, key);
  CIniFile reread = CIniFile::Parse(ini.Serialize());
  if (reread.Find(section, "k") != ini.Find(section, "k")) std::abort();
  if (reread.Find("Other", key) != ini.Find("Other", key)) std::abort();
  ini.DeleteSection(section);
  (void)before;
  return 0;
}
