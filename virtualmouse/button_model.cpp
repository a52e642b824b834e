#include "virtualmouse/button_model.h"

namespace vmouse {
namespace {

enum : std::uint8_t { kKindReport = 6, kKindLevel = 7, kKindProfile = 8 };
enum : std::uint8_t { kStepUp = 1, kStepDown = 2, kStepNext = 3 };

// New value of a 1..count setting after a step; unknown steps keep it.
int Step(int current, std::uint8_t step, int count) {
  switch (step) {
    case kStepUp: return current < count ? current + 1 : count;
    case kStepDown: return current > 1 ? current - 1 : 1;
    case kStepNext: return current % count + 1;
  }
  return current;
}

bool ValidButton(const DeviceState& state, int button) {
  return button >= 1 && button <= kButtons && state.activeProfile >= 1 &&
         state.activeProfile <= kProfiles;
}

}  // namespace

std::vector<DeviceEvent> PressButton(DeviceState& state, int button) {
  if (!ValidButton(state, button)) return {};
  DeviceProfile& profile = state.profiles[state.activeProfile - 1];
  const ButtonCode& code = profile.buttons[button - 1];
  switch (code[0]) {
    case kKindReport:
      return {{code[2], code[3]}};
    case kKindLevel:
      profile.level = Step(profile.level, code[2], kLevels);
      return {{kLevelEvent, static_cast<std::uint16_t>(profile.level)}};
    case kKindProfile:
      state.activeProfile = Step(state.activeProfile, code[2], kProfiles);
      return {{kProfileEvent, static_cast<std::uint16_t>(state.activeProfile)}};
  }
  return {};
}

}  // namespace vmouse
