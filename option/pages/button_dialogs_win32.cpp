#include "option/pages/button_dialogs_win32.h"

#include "option/pages/launch_program_dialog_win32.h"
#include "option/pages/macro_manager_win32.h"
#include "option/pages/select_macro_dialog_win32.h"
#include "option/pages/select_player_dialog_win32.h"
#include "option/pages/shortcut_dialog_win32.h"
#include "option/skin/confirm_dialogs_win32.h"
#include "settings/macro_store.h"

void CButtonDialogs::WarnPrimaryClick() {
  CClickWarnDialog warn;
  warn.DoModal(owner_);
}

bool CButtonDialogs::ChooseProgram(std::string& path) {
  CLaunchProgramDialog launch;
  launch.path = path;
  if (launch.DoModal(owner_) != IDOK) return false;
  path = launch.path;
  return true;
}

bool CButtonDialogs::ChoosePlayer(int& player) {
  CSelectPlayerDialog chooser;
  chooser.player = player;
  if (chooser.DoModal(owner_) != IDOK) return false;
  player = chooser.player;
  return true;
}

bool CButtonDialogs::ChooseKeyCombination(uint8_t& usage, uint8_t& modifierBits) {
  CShortcutDialog shortcut;
  shortcut.keyCode = usage;
  for (int bit = 0; bit < kShortcutOptionCount; ++bit) shortcut.options[bit] = (modifierBits >> bit) & 1;
  if (shortcut.DoModal(owner_) != IDOK) return false;
  usage = shortcut.keyCode;
  modifierBits = ShortcutModifierBits(shortcut.options);
  return true;
}

void CButtonDialogs::ManageMacros() {
  CMacroManager manager(context_, edited_);
  const bool ok = manager.DoModal(owner_) == IDOK;
  if (ok) {
    context_.store.Save(context_.installFolder);
  } else {
    context_.store.Clear();
    context_.store.Load(context_.installFolder);
  }
}

bool CButtonDialogs::ChooseMacro(MacroKeyInfo& scratch, int& position, int& playMode) {
  CSelectMacroDialog chooser(context_.store, scratch);
  chooser.position = position;
  chooser.playMode = playMode;
  if (chooser.DoModal(owner_) != IDOK) return false;
  position = chooser.position;
  playMode = chooser.playMode;
  return true;
}
