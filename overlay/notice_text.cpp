#include "overlay/notice_text.h"

#include "settings/profile_set.h"
#include "settings/system_names.h"

std::string NoticeText(uintptr_t wParam, intptr_t lParam, const NoticeTexts& texts) {
  switch (wParam) {
    case OVERLAY_PROFILE: {
      const auto profile = static_cast<int>((static_cast<uintptr_t>(lParam) >> 16) & 0xFFFF);
      if (profile >= kProfileCount) return {};
      return "Profile " + std::to_string(profile + 1);
    }
    case OVERLAY_TEXT:
      return texts.message;
    case OVERLAY_MACRO:
      return texts.macroName;
    default:
      return {};
  }
}
