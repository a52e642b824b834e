// The function menu of the main dialog's button controls: what it offers, in
// its order, and what a chosen command does to a button's record (the button
// page's menu stores its choices the same way).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "settings/profile_set.h"

struct MenuEntry {
  enum class Kind { Command, Separator, Submenu };
  Kind kind = Kind::Command;
  unsigned command = 0;   // Command: the menu command
  int caption = 0;        // string id of the caption (0: text holds it)
  std::string text;       // caption text of stored-macro entries
  bool checked = false;
  std::vector<MenuEntry> items;  // Submenu: its entries
  int width = 0;                 // Submenu: its width (0: as its texts need)
};

// Entries of the menus built here and by the button page: a command, a
// submenu (width 0: as its texts need), and commands first..last captioned
// from firstCaption upward.
MenuEntry MenuCommand(unsigned command, int caption);
MenuEntry MenuSubmenu(int caption, std::vector<MenuEntry> items, int width = 0);
std::vector<MenuEntry> MenuRun(unsigned first, unsigned last, int firstCaption);

// Menu commands of the function menu.
inline constexpr unsigned kCmdMacroManager = 1049;
inline constexpr unsigned kCmdFirstMacro = 1050;   // + position in the store
inline constexpr unsigned kCmdShortcut = 1005;
inline constexpr unsigned kCmdRunProgram = 1017;
inline constexpr unsigned kCmdStartPlayer = 1025;

// The menu for a button holding `button`, with the names of the stored
// macros in store order (a macro entry is checked when the button already
// plays that macro).
std::vector<MenuEntry> BuildFunctionMenu(const MacroKeyInfo& button,
                                         const std::vector<std::string>& macroNames);

// The function code a command gives: command - 1000 for 1001..1042, 16 for a
// stored macro, 0 for the macro manager (which changes no code).
int FunctionCodeForCommand(unsigned command);

// At least one of the first `buttons` buttons must keep the primary click
// (code 1) once `button` holds newCode.
bool KeepsPrimaryClick(const Profile& profile, int button, int newCode, int buttons);

// Stores a function code. Any code but a key combination or a macro clears
// the macro copy (count, events, name); repeat, play mode and program stay.
void StoreFunction(MacroKeyInfo& slot, int code);

// Stores a key combination from the shortcut dialog: count 1, the key's
// usage and the modifier bits, and no macro name.
void StoreKeyCombination(MacroKeyInfo& slot, uint8_t usage, uint8_t modifierBits);

// The dialogs some commands open before the choice is stored. Each answers
// false when the user cancelled: the button then stays as it was.
class CFunctionDialogs {
 public:
  virtual ~CFunctionDialogs() = default;
  // The choice would leave no button with the primary click.
  virtual void WarnPrimaryClick() = 0;
  // path: the button's program (empty unless it runs one), then the choice.
  virtual bool ChooseProgram(std::string& path) = 0;
  virtual bool ChoosePlayer(int& player) = 0;
  // The key's usage and the modifier bits, as a button slot keeps them.
  virtual bool ChooseKeyCombination(uint8_t& usage, uint8_t& modifierBits) = 0;
  // The macro manager, modal; it changes no code itself.
  virtual void ManageMacros() = 0;
};

// Stores a program path. A path that doesn't fit the 260-byte field is
// refused (false) and the field stays as it was: a cut path would name a
// different file.
bool StoreProgramPath(MacroKeyInfo& slot, const std::string& path);
