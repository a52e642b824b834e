// The label that names a button's function on the button page and on the
// main dialog's button controls.
#pragma once

#include <functional>
#include <string>

#include "settings/key_table.h"
#include "settings/profile_set.h"

// Caption text by language-library string id ("" when it has none).
using CaptionLookup = std::function<std::string(int id)>;

// String id of the caption that names a function code, or 0 for codes
// labelled otherwise (key combination, macro, program) or not at all.
int FunctionCaptionId(int code);

// Key combination: the modifier prefixes and the key's name (empty while no
// key is set); macro: its name; program: the file name with its extension;
// any other code: its caption.
std::string ButtonLabel(const MacroKeyInfo& slot, const CaptionLookup& caption,
                        const CKeyboardLayout& layout = SystemKeyboardLayout());

// The last component of a path, separated by either slash.
std::string FileNameOfPath(const std::string& path);
