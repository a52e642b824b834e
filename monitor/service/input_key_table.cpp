#include "monitor/service/input_key_table.h"

#include "settings/key_table.h"

uint8_t CKeyTableTranslator::UsageToVirtualKey(uint8_t usage) const {
  int vk = 0;
  ::UsageToVirtualKey(usage, vk);
  return static_cast<uint8_t>(vk);
}
