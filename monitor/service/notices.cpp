#include "monitor/service/notices.h"

#include <cstdio>
#include <cstring>

int DisplayedSensitivity(int levelValue) {
  static constexpr int kShown[] = {250, 500, 750, 1000, 1250, 1500,
                                   1750, 2000, 2500, 3000, 3500, 4000};
  if (levelValue >= 1 && levelValue <= 12) return kShown[levelValue - 1];
  return 1000;
}

std::string LevelNoticeText(const Profile& profile, int level) {
  if (level < 1 || level > kLevelCount) return {};
  char text[32];
  std::snprintf(text, sizeof text, "CPI: %d", DisplayedSensitivity(profile.CpiLevel_X[level - 1]));
  return text;
}

int MacroNoticeNumber(int buttonIndex) {
  // The notice program numbers these two buttons like the side buttons.
  if (buttonIndex == 13) return 3;
  if (buttonIndex == 14) return 4;
  return buttonIndex;
}

std::string MacroName(const MacroKeyInfo& info) {
  return std::string(info.macroName, strnlen(info.macroName, sizeof info.macroName));
}

bool ProfileNoticesOn(const OverlaySetting& record) { return record.Switches[2] == 1; }
bool MacroNoticesOn(const OverlaySetting& record) { return record.Switches[3] == 1; }

intptr_t OverlaySettingsParam(const OverlaySetting& record) {
  const uint32_t high = static_cast<uint32_t>(record.DisplayHigh) & 0xFFFF;
  const uint32_t low = static_cast<uint32_t>(record.DisplayLow) & 0xFFFF;
  return static_cast<intptr_t>((high << 16) | low);
}

intptr_t ProfileNoticeParam(int profile) { return static_cast<intptr_t>(profile) * 65536; }

bool AppletText(const void* data, size_t size, std::string& text) {
  if (size != kAppletTextSize || data == nullptr) return false;
  const char* chars = static_cast<const char*>(data) + 1;
  text.assign(chars, strnlen(chars, kAppletTextSize - 1));
  return true;
}
