// Synthetic input through keybd_event and mouse_event.
#pragma once

#include "monitor/service/input_sink.h"

class CInputWin32 final : public CInputSink {
 public:
  void Key(uint8_t vk, bool up) override;
  void ExtendedKey(uint8_t vk, bool up) override;
  void MouseButton(uint32_t flags, uint32_t data) override;
  void Pause(int ms) override;
};
