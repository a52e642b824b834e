#include "option/skin/skin_file.h"

std::string ReadSkinValue(const std::filesystem::path& skinFile, std::string_view section,
                          std::string_view key) {
  return CSkinDescription::Load(skinFile).Value(section, key);
}

CSkinDescription CSkinDescription::Load(const std::filesystem::path& skinFile) {
  CSkinDescription d;
  std::optional<CIniFile> file = CIniFile::LoadExisting(skinFile);
  d.found_ = file.has_value();
  if (file) d.ini_ = std::move(*file);
  return d;
}

CSkinDescription CSkinDescription::Parse(std::string_view text) {
  CSkinDescription d;
  d.ini_ = CIniFile::Parse(text);
  return d;
}

std::string CSkinDescription::Value(std::string_view section, std::string_view key) const {
  return ini_.GetString(section, key, "", kSkinValueBuffer);
}

SkinScreenImages CSkinDescription::Screen() const {
  return {Value(kSkinScreenSection, "Mask"), Value(kSkinScreenSection, "Normal"),
          Value(kSkinScreenSection, "Over"), Value(kSkinScreenSection, "Down"),
          Value(kSkinScreenSection, "Disable")};
}

Placement CSkinDescription::PlacementOf(std::string_view key) const {
  return ParsePlacement(Value(kSkinPlacementSection, key));
}

Placement CSkinDescription::PlacementOf(int key) const { return PlacementOf(std::to_string(key)); }
