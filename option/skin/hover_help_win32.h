// The help text of the control under the pointer, shown by the main dialog.
#pragma once

#include <windows.h>

#include <string>

#include "option/skin/control_messages.h"

// Makes text the shared help text and tells the main dialog that a control's
// help text is now shown (or, with shown false, no longer).
void AnnounceHelpText(const std::string& text, bool shown);

// For controls that have no hover look of their own (sliders, spin boxes):
// asks once for the leave notice and announces the help text when the
// pointer comes over them, unless it is already the one shown.
class CHoverHelp {
 public:
  void OnMouseMove(HWND control, const std::string& helpText);
  void OnMouseLeave() { leavePending_ = false; }

 private:
  bool leavePending_ = false;
};
