// Process-wide state of the skin toolkit: the skins folder, the main dialog
// that hears about help-text changes, and the help text of the control last
// under the mouse. One user-interface thread uses it; no lock.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// "<folder of the program>\skins\" from the program's full path: everything up
// to the last path separator, then "skins\". A bare file name gives "skins\".
std::string SkinsFolderFromProgramPath(std::string_view programPath);

void SetSkinsFolder(std::string folder);
const std::string& SkinsFolder();
// Skins folder + file name (plain concatenation).
std::string SkinPath(std::string_view fileName);

// The main dialog's window handle, kept as an integer so this stays portable.
void SetHelpTextWindow(uintptr_t window);
uintptr_t HelpTextWindow();

void SetSharedHelpText(std::string text);
const std::string& SharedHelpText();
