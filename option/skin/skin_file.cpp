#include "option/skin/skin_file.h"

std::string ReadSkinValue(const std::filesystem::path& skinFile, std::string_view section,
                          std::string_view key) {
  return SkinDescription::Load(skinFile).Value(section, key);
}

SkinDescription SkinDescription::Load(const std::filesystem::path& skinFile) {
  SkinDescription d;
  std::optional<IniFile> file = IniFile::LoadExisting(skinFile);
  d.found_ = file.has_value();
  if (file) d.ini_ = std::move(*file);
  return d;
}

SkinDescription SkinDescription::Parse(std::string_view text) {
  SkinDescription d;
  d.ini_ = IniFile::Parse(text);
  return d;
}

std::string SkinDescription::Value(std::string_view section, std::string_view key) const {
  return ini_.GetString(section, key, "", kSkinValueBuffer);
}

SkinScreenImages SkinDescription::Screen() const {
  return {Value(kSkinScreenSection, "Mask"), Value(kSkinScreenSection, "Normal"),
          Value(kSkinScreenSection, "Over"), Value(kSkinScreenSection, "Down"),
          Value(kSkinScreenSection, "Disable")};
}

Placement SkinDescription::PlacementOf(std::string_view key) const {
  return ParsePlacement(Value(kSkinPlacementSection, key));
}

Placement SkinDescription::PlacementOf(int key) const { return PlacementOf(std::to_string(key)); }
