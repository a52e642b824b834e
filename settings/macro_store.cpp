#include "settings/macro_store.h"

#include <algorithm>
#include <cstring>

#include "settings/ini_file.h"

namespace {

constexpr char kSection[] = "Macros";
constexpr char kNumberKey[] = "number";
// A button whose macro is gone falls back to this function.
constexpr uint8_t kFunctionMacroMissing = 6;
constexpr size_t kNameLength = sizeof(MacroRecord::name) - 1;

std::string_view Trimmed(std::string_view s) {
  const size_t first = s.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

char Folded(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

std::string_view NameOf(const MacroRecord& record) {
  return {record.name, strnlen(record.name, sizeof record.name)};
}

// A slot's name has 24 characters at most, even when its terminator is lost.
std::string_view NameOf(const MacroKeyInfo& slot) {
  return {slot.macroName, strnlen(slot.macroName, kSlotNameLength)};
}

void SetName(MacroRecord& record, std::string_view name, size_t maxLength) {
  std::memset(record.name, 0, sizeof record.name);
  name = name.substr(0, std::min(maxLength, kNameLength));
  std::memcpy(record.name, name.data(), name.size());
}

bool IsMacroSlot(const MacroKeyInfo& slot) {
  return slot.function == kFunctionMacro && slot.macroName[0] != '\0';
}

bool SlotCountUsable(const MacroKeyInfo& slot) {
  return slot.count >= 0 && slot.count <= kMacroEventCount;
}

}  // namespace

std::filesystem::path MacroStorePath(const std::filesystem::path& installFolder) {
  return installFolder / "config" / "sequence.dat";
}

bool SameMacroName(std::string_view a, std::string_view b) {
  a = Trimmed(a);
  b = Trimmed(b);
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(),
                    [](char x, char y) { return Folded(x) == Folded(y); });
}

bool IsUsableMacro(const MacroRecord& record) {
  return record.count >= 0 && record.count <= kMacroEventCount &&
         std::memchr(record.name, '\0', sizeof record.name) != nullptr;
}

void CMacroStore::Load(const std::filesystem::path& installFolder) {
  LoadFrom(CIniFile::Load(MacroStorePath(installFolder)));
}

void CMacroStore::LoadFrom(const CIniFile& document) {
  Clear();
  const int number = std::min(document.GetInt(kSection, kNumberKey, -1), kMaxStoredMacros);
  for (int i = 0; i < number; ++i) {
    MacroRecord record{};
    if (document.GetStruct(kSection, std::to_string(i), &record, sizeof record) &&
        IsUsableMacro(record))
      Append(record);
  }
}

bool CMacroStore::Save(const std::filesystem::path& installFolder) const {
  CIniFile document;
  document.SetInt(kSection, kNumberKey, Count());
  for (int i = 0; i < Count(); ++i)
    document.SetStruct(kSection, std::to_string(i), records_[i].get(), sizeof(MacroRecord));
  return document.Save(MacroStorePath(installFolder));
}

const MacroRecord* CMacroStore::Get(int position) const {
  if (position < 0 || position >= Count()) return nullptr;
  return records_[position].get();
}

MacroRecord* CMacroStore::Get(int position) {
  if (position < 0 || position >= Count()) return nullptr;
  return records_[position].get();
}

bool CMacroStore::NameExists(std::string_view name) const {
  return std::any_of(records_.begin(), records_.end(),
                     [&](const auto& r) { return SameMacroName(NameOf(*r), name); });
}

CMacroStore::Match CMacroStore::Find(const MacroKeyInfo& slot) const {
  const std::string_view name = NameOf(slot);
  int position = -1;
  for (int i = 0; i < Count() && position < 0; ++i)
    if (SameMacroName(NameOf(*records_[i]), name)) position = i;
  // A slot holds only the first 24 characters of a longer stored name.
  if (position < 0 && name.size() == kSlotNameLength) {
    for (int i = 0; i < Count() && position < 0; ++i) {
      const std::string_view stored = NameOf(*records_[i]);
      if (stored.size() > kSlotNameLength &&
          SameMacroName(stored.substr(0, kSlotNameLength), name))
        position = i;
    }
  }
  if (position < 0) return {};
  const MacroRecord& r = *records_[position];
  const bool identical = r.repeat == slot.repeat && r.count == slot.count && SlotCountUsable(slot) &&
                         std::memcmp(r.events, slot.data, sizeof(MacroEvent) * r.count) == 0;
  return {position, identical};
}

int CMacroStore::AddFromSlot(const MacroKeyInfo& slot) {
  MacroRecord record{};
  SetName(record, NameOf(slot), kSlotNameLength);
  record.count = std::clamp<int>(slot.count, 0, kMacroEventCount);
  std::memcpy(record.events, slot.data, sizeof(MacroEvent) * record.count);
  return Append(record);
}

int CMacroStore::Create(std::string_view name) {
  MacroRecord record{};
  SetName(record, name, kNameLength);
  return Append(record);
}

bool CMacroStore::Delete(int position) {
  if (position < 0 || position >= Count()) return false;
  records_.erase(records_.begin() + position);
  return true;
}

void CMacroStore::MergeFromProfiles(const ProfileSet& set) {
  for (const Profile& profile : set.Profiles) {
    for (const MacroKeyInfo& slot : profile.MacroKeyInfo) {
      if (!IsMacroSlot(slot) || !SlotCountUsable(slot)) continue;
      const Match match = Find(slot);
      if (match.identical) continue;
      // A new macro keeps the slot's repeat too: with repeat 0 the next push
      // would take the button's repeat count away.
      MacroRecord& r = *records_[match.position >= 0 ? match.position : AddFromSlot(slot)];
      std::memcpy(r.events, slot.data, sizeof r.events);
      r.count = slot.count;
      r.repeat = slot.repeat;
    }
  }
}

void CMacroStore::PushToProfiles(ProfileSet& set) const {
  for (int p = 0; p < kProfileCount; ++p) {
    for (int b = 0; b < kButtonCount; ++b) {
      MacroKeyInfo& slot = set.Profiles[p].MacroKeyInfo[b];
      if (!IsMacroSlot(slot)) continue;
      const Match match = Find(slot);
      if (match.position < 0) {
        slot.function = kFunctionMacroMissing;
      } else {
        const MacroRecord& r = *records_[match.position];
        const std::string_view name = NameOf(r).substr(0, kSlotNameLength);
        std::memset(slot.macroName, 0, sizeof slot.macroName);
        std::memcpy(slot.macroName, name.data(), name.size());
        slot.count = static_cast<int16_t>(r.count);
        std::memcpy(slot.data, r.events, sizeof slot.data);
        slot.repeat = r.repeat;
      }
      set.ButtonChanged[p][b] = 1;
    }
  }
}

int CMacroStore::Import(const std::filesystem::path& file) {
  return ImportFrom(CIniFile::Load(file));
}

int CMacroStore::ImportFrom(const CIniFile& document) {
  MacroRecord record{};
  if (!document.GetStruct(kSection, "0", &record, sizeof record) || !IsUsableMacro(record))
    return -1;
  // Imported names are kept short enough for a button slot.
  const std::string name(NameOf(record).substr(0, kSlotNameLength));
  SetName(record, NameExists(name) ? FreeName(name) : name, kSlotNameLength);
  return Append(record);
}

bool CMacroStore::Export(int position, const std::filesystem::path& file) const {
  const MacroRecord* record = Get(position);
  if (!record) return false;
  CIniFile document;
  document.SetStruct(kSection, "0", record, sizeof *record);
  return document.Save(file);
}

int CMacroStore::Append(const MacroRecord& record) {
  records_.push_back(std::make_unique<MacroRecord>(record));
  return Count() - 1;
}

// "%s%d" with the first free number; the name is shortened so that the
// number still fits a button slot.
std::string CMacroStore::FreeName(std::string_view name) const {
  for (int n = 1;; ++n) {
    const std::string digits = std::to_string(n);
    std::string candidate(name.substr(0, kSlotNameLength - digits.size()));
    candidate += digits;
    if (!NameExists(candidate)) return candidate;
  }
}
