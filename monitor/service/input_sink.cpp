#include "monitor/service/input_sink.h"

uint8_t PlayableVirtualKey(const CKeyTranslator& table, uint8_t usage) {
  const uint8_t vk = table.UsageToVirtualKey(usage);
  switch (vk) {
    case 0xA0: case 0xA1: return 0x10;  // Shift
    case 0xA2: case 0xA3: return 0x11;  // Ctrl
    case 0xA4: case 0xA5: return 0x12;  // Alt
    default: return vk;
  }
}
