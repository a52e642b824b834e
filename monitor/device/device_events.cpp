#include "monitor/device/device_events.h"

using namespace device_event;

uint32_t EventWordFromChange(uint64_t wParam) {
  const uint32_t value = wParam == 1 ? 1 : wParam == 0 ? 2 : 0;
  return (kTypeChange << 16) | value;
}

uint32_t EventWordFromReport(uint64_t wParam, uint64_t lParam) {
  return static_cast<uint32_t>(((wParam & 0xFFFF) << 16) | (lParam & 0xFFFF));
}

int PollingRateFromInterval(int interval) {
  switch (interval) {
    case 8: return 0;
    case 4: return 1;
    case 2: return 2;
    case 1: return 3;
    default: return -1;
  }
}

namespace {
bool InRange(uint32_t v, uint32_t lo, uint32_t hi) { return v >= lo && v <= hi; }
int Axis(uint32_t v) { return InRange(v, 1, 20) ? static_cast<int>(v) : -1; }
}  // namespace

bool DispatchDeviceEvent(uint32_t word, int deviceState, CDeviceEventSink& sink) {
  const uint32_t type = word >> 16;
  const uint32_t value = word & 0xFFFF;
  const uint32_t low = value & 0xFF;
  const uint32_t high = value >> 8;

  if (type == kTypeChange && value == 1 && deviceState != kDeviceAttached) {
    sink.OnDeviceArrival();
    return true;
  }
  if (type == kTypeChange && value == 2 && deviceState != kDeviceRemoved) {
    sink.OnDeviceRemoval();
    return true;
  }
  if (type == kTypeScroll) {
    if (value == 1) sink.OnHorizontalScroll(-1);
    else if (value == 0xFF) sink.OnHorizontalScroll(+1);
    else return false;
    return true;
  }
  if (type == kTypePollingRate && InRange(value, 1, 8)) {
    const int rate = PollingRateFromInterval(static_cast<int>(value));
    if (rate < 0) return false;  // an interval the mouse is never given
    sink.OnDevicePollingRate(rate);
    return true;
  }
  if (InRange(type, kTypeProfileFirst, kTypeProfileLast) && InRange(value, 1, 5)) {
    sink.OnDeviceProfile(static_cast<int>(value) - 1);
    return true;
  }
  if ((type == kTypeHostButton || type == kTypeHostButtonQuiet) && InRange(low, 1, 16)) {
    sink.OnHostButton(static_cast<int>(low), high == 0, type == kTypeHostButton);
    return true;
  }
  if (type == kTypeRunProgram && InRange(low, 1, 16) && high == 0) {
    sink.OnRunProgram(static_cast<int>(low));
    return true;
  }
  if (type == kTypeOpenOption) {
    sink.OnOpenOption();
    return true;
  }
  if (InRange(type, kTypeLevelFirst, kTypeLevelLast) && InRange(value, 1, 8)) {
    sink.OnDeviceLevel(static_cast<int>(value));
    return true;
  }
  if (type == kTypeSensitivity) {
    const int x = Axis(low), y = Axis(high);
    if (x < 0 && y < 0) return false;
    sink.OnDeviceSensitivity(x, y);
    return true;
  }
  if (type == kTypeTraceOnly && InRange(value, 1, 8)) {
    sink.OnTraceOnly();
    return true;
  }
  if (type == kTypeMultimedia && InRange(low, 0x20, 0x27)) {
    sink.OnMultimedia(static_cast<int>(low), high == 0);
    return true;
  }
  return false;
}
