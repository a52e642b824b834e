// Captions by string id from the language library beside the programs.
#pragma once

#include <windows.h>

#include <filesystem>
#include <string>

#include "wingui/handles_win32.h"

class CCaptions {
 public:
  explicit CCaptions(const std::filesystem::path& installFolder);
  // "" when the library or the string is missing.
  std::string Get(int id) const;

 private:
  CModule library_;
};
