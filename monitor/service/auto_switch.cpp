#include "monitor/service/auto_switch.h"

#include <cstring>

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (Lower(a[i]) != Lower(b[i])) return false;
  return true;
}

}  // namespace

std::string GameFileName(const Profile& profile) {
  std::string_view path(profile.GameFile, strnlen(profile.GameFile, sizeof profile.GameFile));
  while (!path.empty() && IsSpace(path.front())) path.remove_prefix(1);
  while (!path.empty() && IsSpace(path.back())) path.remove_suffix(1);
  const size_t slash = path.find_last_of("\\/:");
  if (slash != std::string_view::npos) path.remove_prefix(slash + 1);
  return std::string(path);
}

int ProfileForProgram(const ProfileSet& set, std::string_view programName) {
  if (programName.empty()) return -1;
  for (int p = 0; p < kProfileCount; ++p) {
    const std::string name = GameFileName(set.Profiles[p]);
    if (!name.empty() && EqualNoCase(name, programName)) return p;
  }
  return -1;
}
