// CButtonDialogs: the dialogs a button's menu opens before a choice is
// stored (click warning, key combination, program, media player, macro
// chooser) and the macro manager, as modal skinned dialogs over `owner`.
#pragma once

#include <windows.h>

#include <string>

#include "option/pages/button_assignment.h"
#include "option/pages/page_context.h"

class CButtonDialogs final : public CButtonPageDialogs {
 public:
  // `edited`: the slot of the button whose menu was opened (the macro
  // manager opens on its macro).
  CButtonDialogs(HWND owner, PageContext& context, const MacroKeyInfo& edited)
      : owner_(owner), context_(context), edited_(edited) {}

  void WarnPrimaryClick() override;
  bool ChooseProgram(std::string& path) override;
  bool ChoosePlayer(int& player) override;
  bool ChooseKeyCombination(uint8_t& usage, uint8_t& modifierBits) override;
  // OK saves the store to its file; Cancel throws its changes away (the
  // store is read again from the file). What reached the buttons stays.
  void ManageMacros() override;
  bool ChooseMacro(MacroKeyInfo& scratch, int& position, int& playMode) override;

 private:
  HWND owner_;
  PageContext& context_;
  const MacroKeyInfo& edited_;
};
