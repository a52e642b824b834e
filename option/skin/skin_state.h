// Process-wide state of the skin toolkit: the skins folder, what a dialog does
// when its skin is damaged, the main dialog that hears about help-text
// changes, and the help text of the control last under the mouse. One
// user-interface thread uses it; no lock.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

void SetSkinsFolder(std::filesystem::path folder);
const std::filesystem::path& SkinsFolder();
// A file of the skins folder, by the name a skin file gives it.
std::filesystem::path SkinPath(std::string_view fileName);

// A skin file or picture that a dialog needs and cannot have.
struct SkinFault {
  std::filesystem::path file;
  bool missing = true;  // false: the file is there but is no picture that decodes
};
// By default a dialog goes on without what its skin lacks: its controls work
// without pictures. With a handler set, a dialog whose skin file or pictures
// are missing or damaged is not shown; the handler hears what is at fault.
void SetSkinFaultHandler(std::function<void(const SkinFault&)> handler);
bool SkinFaultsStopDialogs();
void ReportSkinFault(const SkinFault& fault);

// The main dialog's window handle, kept as an integer so this stays portable.
void SetHelpTextWindow(uintptr_t window);
uintptr_t HelpTextWindow();

void SetSharedHelpText(std::string text);
const std::string& SharedHelpText();
