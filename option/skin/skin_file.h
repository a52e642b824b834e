// Reading a skin description file: section SCREEN names the window's images,
// section BUTTONPOS places its controls. Every value is read as the
// private-profile functions would into the usual buffer, empty if missing.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "option/skin/placement.h"
#include "settings/ini_file.h"

inline constexpr char kSkinScreenSection[] = "SCREEN";
inline constexpr char kSkinPlacementSection[] = "BUTTONPOS";
inline constexpr size_t kSkinValueBuffer = CIniFile::kValueBuffer;

// One value of one skin file (path as given, usually SkinPath(name)).
std::string ReadSkinValue(const std::filesystem::path& skinFile, std::string_view section,
                          std::string_view key);

struct SkinScreenImages {
  std::string mask, normal, over, down, disable;  // file names in the skins folder
};

// A skin file read once, for a dialog that needs many of its values.
class CSkinDescription {
 public:
  static CSkinDescription Load(const std::filesystem::path& skinFile);
  static CSkinDescription Parse(std::string_view text);
  // False when Load found no file to read.
  bool Found() const { return found_; }

  std::string Value(std::string_view section, std::string_view key) const;
  SkinScreenImages Screen() const;
  // The BUTTONPOS record under key; a missing key gives a record of zeros.
  Placement PlacementOf(std::string_view key) const;
  Placement PlacementOf(int key) const;

 private:
  CIniFile ini_;
  bool found_ = true;
};
