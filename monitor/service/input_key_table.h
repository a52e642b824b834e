// The settings' key table over the system's keyboard layout, as the actions
// translate usages.
#pragma once

#include "monitor/service/input_sink.h"

class CKeyTableTranslator final : public CKeyTranslator {
 public:
  uint8_t UsageToVirtualKey(uint8_t usage) const override;
};
