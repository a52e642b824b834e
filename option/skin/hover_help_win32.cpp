#include "option/skin/hover_help_win32.h"

#include "option/skin/skin_state.h"

void AnnounceHelpText(const std::string& text, bool shown) {
  SetSharedHelpText(text);
  if (HWND main = reinterpret_cast<HWND>(HelpTextWindow()))
    PostMessageA(main, WM_SKIN_HELPTEXT, shown ? 1 : 0, 0);
}

void CHoverHelp::OnMouseMove(HWND control, const std::string& helpText) {
  if (!leavePending_) {
    TRACKMOUSEEVENT t{sizeof t, TME_HOVER | TME_LEAVE, control, 1};
    leavePending_ = TrackMouseEvent(&t) != 0;
  }
  if (lstrcmpiA(helpText.c_str(), SharedHelpText().c_str()) != 0) AnnounceHelpText(helpText, true);
}
