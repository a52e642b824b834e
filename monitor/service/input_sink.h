// The synthetic input that Monitor's actions produce, kept behind an interface
// so that the action logic runs against a recording fake in the tests.
#pragma once

#include <cstdint>

class CInputSink {
 public:
  virtual ~CInputSink() = default;
  // One key event of a virtual key (the scan code follows the keyboard layout).
  virtual void Key(uint8_t vk, bool up) = 0;
  // One key event flagged as an extended key (the volume keys).
  virtual void ExtendedKey(uint8_t vk, bool up) = 0;
  // One mouse-button event without movement.
  virtual void MouseButton(uint32_t flags, uint32_t data) = 0;
  // The short pause the window thread keeps between modifier events.
  virtual void Pause(int ms) = 0;
};

// The key table as the actions need it: a keyboard usage to the virtual key of
// the current layout, 0 for a usage that is not in the table.
class CKeyTranslator {
 public:
  virtual ~CKeyTranslator() = default;
  virtual uint8_t UsageToVirtualKey(uint8_t usage) const = 0;
};

// The virtual key to send for a usage: left/right Shift, Ctrl and Alt go out as
// the plain keys, which every program understands.
uint8_t PlayableVirtualKey(const CKeyTranslator& table, uint8_t usage);
