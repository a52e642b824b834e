// Option's library of named macros: an ordered list of records, kept in the
// store file config\sequence.dat, shared through single-macro .macro files,
// and kept in step with the macro copies in the profiles' button slots.
// Macros are addressed by position; positions shift when an earlier macro is
// deleted. Records are owned one by one, so a record stays where it is in
// memory while others are added.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "settings/profile_set.h"

class CIniFile;

// The store file is config\sequence.dat in the installation folder.
std::filesystem::path MacroStorePath(const std::filesystem::path& installFolder);
// The most macros a store file is read for: a larger count is damage.
inline constexpr int kMaxStoredMacros = 10000;
// A button slot holds at most this many name characters.
inline constexpr int kSlotNameLength = 24;

// Names compare case-insensitively after trimming blanks at both ends.
bool SameMacroName(std::string_view a, std::string_view b);

// True when the record can be used: count 0..40 and a terminated name.
bool IsUsableMacro(const MacroRecord& record);

class CMacroStore {
 public:
  struct Match {
    int position = -1;       // -1 when no stored macro has the slot's name
    bool identical = false;  // same repeat, count and first count events
  };

  // Replaces the list with the store file of the installation folder; a
  // missing or unreadable file gives an empty store. Unreadable keys and
  // unusable records are skipped.
  void Load(const std::filesystem::path& installFolder);
  void LoadFrom(const CIniFile& document);
  // Rewrites the store file from scratch, so keys of a longer earlier list
  // don't survive. False when the file can't be written (the old one stays).
  bool Save(const std::filesystem::path& installFolder) const;
  void Clear() { records_.clear(); }

  int Count() const { return static_cast<int>(records_.size()); }
  // Null when the position is out of range.
  const MacroRecord* Get(int position) const;
  MacroRecord* Get(int position);
  bool NameExists(std::string_view name) const;
  Match Find(const MacroKeyInfo& slot) const;

  // Appends a record with the slot's name (24 characters at most), count and
  // events, repeat 0. Returns its position.
  int AddFromSlot(const MacroKeyInfo& slot);
  // Appends a zero-filled record with the name (cut to fit). Returns its position.
  int Create(std::string_view name);
  bool Delete(int position);

  // Profile -> store: every macro slot's copy is added to the store or
  // replaces the stored events of the same name. The caller saves afterwards.
  void MergeFromProfiles(const ProfileSet& set);
  // Store -> profile: every macro slot takes the stored macro of its name, or
  // falls back to function 6 when there is none; each is marked changed.
  void PushToProfiles(ProfileSet& set) const;

  // Appends the macro of a .macro file, renamed "%s%d" when its name is
  // taken. Returns its position, or -1 when the file holds no usable macro.
  int Import(const std::filesystem::path& file);
  int ImportFrom(const CIniFile& document);
  // Writes the macro at the position as a .macro file, replacing the file.
  // False (and the file untouched) for a position out of range.
  bool Export(int position, const std::filesystem::path& file) const;

 private:
  int Append(const MacroRecord& record);
  std::string FreeName(std::string_view name) const;

  std::vector<std::unique_ptr<MacroRecord>> records_;
};
