// The events the mouse reports to Monitor's window, as one 32-bit word (type
// in the high half, value in the low half), and their dispatch in the fixed
// order in which the types are tested.
#pragma once

#include <cstdint>

namespace device_event {
inline constexpr uint32_t kTypeChange = 0x7F00;  // arrival / removal
inline constexpr uint32_t kTypeScroll = 0x1000;
inline constexpr uint32_t kTypePollingRate = 0x01F2;
inline constexpr uint32_t kTypeProfileFirst = 0x0800, kTypeProfileLast = 0x08FF;
inline constexpr uint32_t kTypeHostButton = 0x4000;
inline constexpr uint32_t kTypeHostButtonQuiet = 0x5000;
inline constexpr uint32_t kTypeRunProgram = 0x000A;
inline constexpr uint32_t kTypeOpenOption = 0x00A0;
inline constexpr uint32_t kTypeLevelFirst = 0x0700, kTypeLevelLast = 0x07FF;
inline constexpr uint32_t kTypeSensitivity = 0xC000;
inline constexpr uint32_t kTypeTraceOnly = 0xE000;
inline constexpr uint32_t kTypeMultimedia = 0xF000;
}  // namespace device_event

// Device state shared by the window and the transfer thread.
enum DeviceState : int { kDeviceNotFound = 0, kDeviceAttached = 1, kDeviceRemoved = 2 };

// The word of the library's arrival/removal message (wParam 1 arrived, 0 removed).
uint32_t EventWordFromChange(uint64_t wParam);
// The word of the library's report message (type in wParam, value in lParam).
uint32_t EventWordFromReport(uint64_t wParam, uint64_t lParam);

// What an event asks of Monitor's window. Only events that pass the dispatch
// table reach these, with their values already checked.
class CDeviceEventSink {
 public:
  virtual ~CDeviceEventSink() = default;
  virtual void OnDeviceArrival() = 0;
  virtual void OnDeviceRemoval() = 0;
  // direction -1 (value 1) or +1 (value 0xFF).
  virtual void OnHorizontalScroll(int direction) = 0;
  // PollingRate field value 0..3.
  virtual void OnDevicePollingRate(int pollingRate) = 0;
  // Profile index 0..4.
  virtual void OnDeviceProfile(int profile) = 0;
  // Button 1..16; notice = event 0x4000 (not 0x5000).
  virtual void OnHostButton(int button, bool pressed, bool notice) = 0;
  // Button 1..16, pressed.
  virtual void OnRunProgram(int button) = 0;
  virtual void OnOpenOption() = 0;
  // Level 1..8 as the mouse reports it.
  virtual void OnDeviceLevel(int level) = 0;
  // Each 1..20, or -1 when the mouse sent no valid value for that axis; at
  // least one of them is valid.
  virtual void OnDeviceSensitivity(int x, int y) = 0;
  virtual void OnTraceOnly() = 0;
  // Function 0x20..0x27.
  virtual void OnMultimedia(int function, bool pressed) = 0;
};

// Runs the first matching row of the dispatch table; returns false when the
// word is ignored (unknown type, value out of range, repeated arrival/removal).
bool DispatchDeviceEvent(uint32_t word, int deviceState, CDeviceEventSink& sink);

// PollingRate for a report interval of 8, 4, 2 or 1 ms; -1 for the intervals
// that the transfer never sends.
int PollingRateFromInterval(int interval);
