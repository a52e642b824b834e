// The settings' key table over the system's keyboard layout, as the actions
// translate usages.
#pragma once

#include "monitor/service/input_sink.h"

class KeyTableTranslator final : public KeyTranslator {
 public:
  uint8_t UsageToVirtualKey(uint8_t usage) const override;
};
