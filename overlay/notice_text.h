// What the notice window shows for each notice Monitor posts.
#pragma once

#include <cstdint>
#include <string>

// The texts Monitor leaves in config.ini for the notices.
struct NoticeTexts {
  std::string message;    // "OverlayData"/"Message"
  std::string macroName;  // "MacroOverlay"/"MacroName"
};

// The text of notice wParam (profile, text or macro) with its lParam; empty
// when there is nothing to show.
std::string NoticeText(uintptr_t wParam, intptr_t lParam, const NoticeTexts& texts);

// How long a notice stays on the screen.
inline constexpr unsigned kNoticeMilliseconds = 1500;
