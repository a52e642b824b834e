// Captions by string id from the language library beside the program.
#pragma once

#include <windows.h>

#include <filesystem>
#include <string>

class Captions {
 public:
  explicit Captions(const std::filesystem::path& installFolder);
  Captions(const Captions&) = delete;
  Captions& operator=(const Captions&) = delete;
  ~Captions();
  // "" when the library or the string is missing.
  std::string Get(int id) const;

 private:
  HMODULE library_ = nullptr;
};
