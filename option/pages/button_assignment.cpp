#include "option/pages/button_assignment.h"

#include <cstring>
#include <string>

#include "option/pages/button_page_menu.h"
#include "option/pages/macro_choice.h"
#include "settings/macro_store.h"

namespace {

bool ChooseMacroFor(ProfileSet& set, MacroKeyInfo& slot, CMacroStore& store, MacroKeyInfo& scratch,
                    CButtonPageDialogs& dialogs) {
  // The chooser offers the store as it is now, and the buttons follow it.
  store.PushToProfiles(set);
  scratch = slot;
  int position = store.Find(slot).position;
  int playMode = slot.playMode;
  if (!dialogs.ChooseMacro(scratch, position, playMode)) return false;
  // OK without any macro leaves the button as it was: taking the code alone
  // would play whatever the slot held before as a macro.
  const MacroRecord* macro = store.Get(position);
  if (!macro) return false;
  slot.playMode = playMode;
  CopyMacroToSlot(*macro, slot);
  return true;
}

}  // namespace

bool AssignButton(ProfileSet& set, int profile, int button, unsigned command, CMacroStore& store,
                  MacroKeyInfo& scratch, CButtonPageDialogs& dialogs) {
  if (profile < 0 || profile >= kProfileCount || button < 0 || button >= kButtonPageButtons) return false;
  Profile& p = set.Profiles[profile];
  const int code = ButtonPageCode(command);
  if (!KeepsPrimaryClick(p, button, code, kButtonPageButtons)) {
    dialogs.WarnPrimaryClick();
    return false;
  }
  if (command == kCmdMacroManager) {
    dialogs.ManageMacros();
    return false;
  }
  if (code == 0) return false;

  MacroKeyInfo& slot = p.MacroKeyInfo[button];
  if (command == kCmdShortcut) {
    uint8_t usage = slot.data[0], modifiers = slot.data[1];
    if (!dialogs.ChooseKeyCombination(usage, modifiers)) return false;
    StoreKeyCombination(slot, usage, modifiers);
  } else if (command == kCmdRunProgram) {
    std::string path;
    if (slot.function == kFunctionProgram)
      path.assign(slot.program, strnlen(slot.program, sizeof slot.program));
    if (!dialogs.ChooseProgram(path) || !StoreProgramPath(slot, path)) return false;
  } else if (command == kCmdStartPlayer) {
    int player = p.MediaOption;
    if (!dialogs.ChoosePlayer(player)) return false;
    p.MediaOption = player;
  } else if (command == kCmdChooseMacro) {
    if (!ChooseMacroFor(set, slot, store, scratch, dialogs)) return false;
  }
  StoreFunction(slot, code);
  set.ButtonChanged[profile][button] = 1;
  return true;
}
