// Store files and .macro files come from disk and from other people: any text
// must load into usable records, and pushing them into the profiles must keep
// every button slot within its fields.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>

#include "settings/ini_file.h"
#include "settings/macro_store.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const CIniFile document =
      CIniFile::Parse(std::string_view(reinterpret_cast<const char*>(data), size));
  CMacroStore store;
  store.LoadFrom(document);
  store.ImportFrom(document);
  store.ImportFrom(document);
  for (int i = 0; i < store.Count(); ++i)
    if (!IsUsableMacro(*store.Get(i))) std::abort();

  // Slots name the loaded macros, and one names none.
  auto set = std::make_unique<ProfileSet>();
  for (int i = 0; i < store.Count() && i < kButtonCount; ++i) {
    MacroKeyInfo& slot = set->Profiles[i % kProfileCount].MacroKeyInfo[i];
    slot.function = kFunctionMacro;
    std::memcpy(slot.macroName, store.Get(i)->name, kSlotNameLength);
  }
  set->Profiles[0].MacroKeyInfo[15].function = kFunctionMacro;
  set->Profiles[0].MacroKeyInfo[15].macroName[0] = '?';
  store.PushToProfiles(*set);
  store.MergeFromProfiles(*set);
  for (const Profile& profile : set->Profiles)
    for (const MacroKeyInfo& slot : profile.MacroKeyInfo)
      if (slot.count < 0 || slot.count > kMacroEventCount) std::abort();
  return 0;
}
