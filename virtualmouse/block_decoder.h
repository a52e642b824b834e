// Turns the 128-byte blocks that the mouse receives back into settings,
// button codes and macro steps.
#pragma once

#include "virtualmouse/device_state.h"

namespace vmouse {

// Sensitivity level value of a level code (0x01..0x08, 0x15..0x18); 0 for a
// code the mouse doesn't know.
int LevelFromCode(std::uint8_t code);

DeviceSettings DecodeSettingsBlock(const Block& block);
std::array<ButtonCode, kButtons> DecodeButtonTable(const Block& block);
DeviceMacro DecodeMacroBlock(const Block& block);

}  // namespace vmouse
