// A fresh folder for one test, removed with everything in it afterwards.
#pragma once

#include <atomic>
#include <filesystem>
#include <random>
#include <string>
#include <system_error>

class CTempFolder {
 public:
  CTempFolder() {
    static std::atomic<unsigned> counter{0};
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            ("settings_test_" + std::to_string(random()) + "_" + std::to_string(counter++));
    std::filesystem::create_directories(path_);
  }
  ~CTempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  CTempFolder(const CTempFolder&) = delete;
  CTempFolder& operator=(const CTempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};
