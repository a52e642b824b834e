// What the macro chooser shows and hands on: menu commands for stored
// macros, their names without surrounding blanks, and the copy of a chosen
// macro into a button slot.
#pragma once

#include <string>

#include "settings/profile_set.h"

// The menu entry of the macro at position n carries command 1100 + n.
inline constexpr unsigned kMacroMenuFirstCommand = 1100;

// The macro position a menu command chooses among count stored macros, or -1.
int MacroFromCommand(unsigned command, int count);
// The record's name with blanks trimmed at both ends (never reads past the field).
std::string TrimmedMacroName(const MacroRecord& record);
// Copies name (cut to the slot's 24 characters), event count (kept within
// 0..40), all 160 event bytes and repeat count into the slot; leaves the rest.
void CopyMacroToSlot(const MacroRecord& record, MacroKeyInfo& slot);
