// Saving a settings file so that neither a crash nor a power loss can leave it
// half written: the new content goes to a temporary file beside it, is forced
// to the disk, and only then replaces the old file in one move. Without the
// flush a power cut can put the move on the disk before the data, leaving a
// file of zeros.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>

// The file calls of such a save, so that tests can watch their order.
class CFileReplace {
 public:
  virtual ~CFileReplace() = default;
  // Creates file for writing (an existing one is emptied).
  virtual bool Create(const std::filesystem::path& file) = 0;
  // These three act on the file Create opened.
  virtual bool Write(std::string_view bytes) = 0;
  virtual bool Flush() = 0;  // the data on the disk, not only in the system's cache
  virtual bool Close() = 0;
  // Renames from to to, replacing an existing to in one step.
  virtual bool Move(const std::filesystem::path& from, const std::filesystem::path& to) = 0;
  virtual void Remove(const std::filesystem::path& file) = 0;
};

// The platform's calls: FlushFileBuffers and a written-through move on
// Windows, fsync of the file and of its folder elsewhere.
class CSystemFileReplace final : public CFileReplace {
 public:
  CSystemFileReplace() = default;
  CSystemFileReplace(const CSystemFileReplace&) = delete;
  CSystemFileReplace& operator=(const CSystemFileReplace&) = delete;
  ~CSystemFileReplace() override { Close(); }

  bool Create(const std::filesystem::path& file) override;
  bool Write(std::string_view bytes) override;
  bool Flush() override;
  bool Close() override;
  bool Move(const std::filesystem::path& from, const std::filesystem::path& to) override;
  void Remove(const std::filesystem::path& file) override;

 private:
  static constexpr intptr_t kNone = -1;
  intptr_t handle_ = kNone;
};

// Replaces the content of file with bytes: temporary file, flush, move. False
// when the folder is missing or read-only or a step fails; the old file is
// then kept and the temporary file removed.
bool ReplaceFileContent(const std::filesystem::path& file, std::string_view bytes,
                        CFileReplace& calls);
bool ReplaceFileContent(const std::filesystem::path& file, std::string_view bytes);
