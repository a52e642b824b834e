// What a command of the button page's menu does to a button of a profile:
// the primary-click rule, the dialog some commands open first, the code and
// its data in the button's slot, and the mark that sends the button to the
// mouse on the next apply.
#pragma once

#include "option/pages/function_menu.h"
#include "settings/profile_set.h"

class CMacroStore;

class CButtonPageDialogs : public CFunctionDialogs {
 public:
  // The macro chooser, opened on `scratch` (the button's slot): the position
  // of the preselected macro (-1 for none) and the play mode go in, the
  // choice comes out. Every macro chosen is copied into scratch at once.
  // False when cancelled.
  virtual bool ChooseMacro(MacroKeyInfo& scratch, int& position, int& playMode) = 0;
};

// A command for `button` (0..15) of profile `profile`. The profile is fixed
// when the command arrives: if Monitor switches profiles while a dialog is
// open, the choice still goes to the button that was clicked. `scratch` ends
// up holding the slot the macro chooser worked on. True when the button's
// slot was assigned; the store's macros may have been pushed into the
// profiles either way.
bool AssignButton(ProfileSet& set, int profile, int button, unsigned command, CMacroStore& store,
                  MacroKeyInfo& scratch, CButtonPageDialogs& dialogs);
