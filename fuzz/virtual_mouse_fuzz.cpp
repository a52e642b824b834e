// The virtual mouse's inputs from outside: reports in any order and length,
// then button presses and the dump; and control command text.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "virtualmouse/button_model.h"
#include "virtualmouse/control_command.h"
#include "virtualmouse/report_receiver.h"
#include "virtualmouse/state_dump.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  if (data[0] & 1) {
    vmouse::ParseControlCommand(
        std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));
    return 0;
  }
  vmouse::DeviceState state;
  vmouse::CReportReceiver receiver(state);
  std::size_t at = 1;
  while (at < size) {
    // A header byte (bit 7: packet, bits 0-6: length), then the bytes; wrong
    // lengths are part of the test.
    const bool packet = data[at] & 0x80;
    const std::size_t length = data[at++] & 0x7F;
    const std::size_t take = length < size - at ? length : size - at;
    if (!packet) receiver.OnFeature(data + at, take);
    else receiver.OnPacket(data + at, take);
    at += take;
  }
  for (int b = 0; b <= 17; ++b) vmouse::PressButton(state, b);
  vmouse::DumpState(state, true, receiver.problems());
  return 0;
}
