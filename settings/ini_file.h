// One INI engine for every settings file of both programs, with the semantics
// of the Windows private-profile functions (GetPrivateProfileStringA and
// friends), but reading a file once and writing it once per batch of changes.
//
// Semantics kept from the Windows functions: section and key names compare
// case-insensitively; the first matching section and key win; a write replaces
// the value in place, or appends the key at the end of its section, or appends
// a new section at the end of the file; names and values are trimmed and a
// value in matching quotes loses them; structs are stored as two upper-case
// hex digits per byte plus a one-byte additive checksum.
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CIniFile {
 public:
  // The buffer the programs read a value into unless they say otherwise: a
  // longer value comes back cut, as the Windows functions cut it.
  static constexpr size_t kValueBuffer = 2048;

  CIniFile() = default;

  // Parses text as the Windows functions would see it.
  static CIniFile Parse(std::string_view text);
  // Reads a whole file; a missing or unreadable file gives an empty document.
  static CIniFile Load(const std::filesystem::path& path);
  // As Load, but nullopt when the file can't be opened.
  static std::optional<CIniFile> LoadExisting(const std::filesystem::path& path);

  // The document as text (CRLF line ends, as the Windows functions write).
  std::string Serialize() const;
  // Writes the whole file to a temporary file in the same folder, forces it
  // to the disk and moves it over the old one, so neither a crash nor a power
  // loss leaves a half-written file. Returns false when the folder is missing
  // or read-only (the old file is kept).
  bool Save(const std::filesystem::path& path) const;

  // The value as GetPrivateProfileStringA returns it into a buffer of
  // bufferSize bytes (at most bufferSize - 1 characters), or nullopt when the
  // section or key is missing.
  std::optional<std::string> Find(std::string_view section, std::string_view key,
                                  size_t bufferSize = kValueBuffer) const;
  std::string GetString(std::string_view section, std::string_view key,
                        std::string_view defaultValue = "", size_t bufferSize = kValueBuffer) const;
  // As GetPrivateProfileIntA: leading digits with an optional sign (and the
  // 0x, 0o, 0b prefixes that function accepts); a missing or empty value
  // gives defaultValue.
  int GetInt(std::string_view section, std::string_view key, int defaultValue) const;
  // As GetPrivateProfileStructA: true and dest filled only when the value has
  // exactly 2 * size + 2 hex digits and the checksum matches; dest untouched
  // otherwise.
  bool GetStruct(std::string_view section, std::string_view key, void* dest, size_t size) const;

  void SetString(std::string_view section, std::string_view key, std::string_view value);
  void SetInt(std::string_view section, std::string_view key, int value);
  void SetStruct(std::string_view section, std::string_view key, const void* src, size_t size);
  void DeleteKey(std::string_view section, std::string_view key);
  void DeleteSection(std::string_view section);

 private:
  struct Line {
    std::string text;       // the line as written, kept for lines we don't change
    std::string key;        // trimmed key; empty for blank lines
    std::string value;      // trimmed value, quotes kept (structs read it raw)
    bool isKey = false;     // any non-blank line, comments included
    bool hasValue = false;  // the line has an '='
  };
  struct Section {
    std::string header;     // raw header line
    std::string name;       // the trimmed text between '[' and the last ']'
    std::vector<Line> lines;
    bool headed = false;    // false only for the lines before any section
  };
  const Section* FindSection(std::string_view section) const;
  const Line* FindLine(std::string_view section, std::string_view key) const;

  // sections_[0] always holds the lines before the first header.
  std::vector<Section> sections_{1};
};

// Encoding of a struct value: hex digits of every byte plus the checksum.
std::string EncodeStruct(const void* src, size_t size);
// false (and dest untouched) unless text is exactly 2 * size + 2 hex digits
// whose checksum matches.
bool DecodeStruct(std::string_view text, void* dest, size_t size);

// Read-modify-write of a settings file that several processes write (such as
// config.ini): loads, lets edit change the document, saves, all under a
// cross-process lock, so that two writers of different keys lose neither.
// edit must not update the same file again (the lock is not reentrant).
bool UpdateIniFile(const std::filesystem::path& path, const std::function<void(CIniFile&)>& edit);
