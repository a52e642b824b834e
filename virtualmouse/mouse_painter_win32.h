// Draws the virtual mouse's state: plug state, active profile, each profile's
// interval, level, sensitivity, lighting, level values and colours, its
// buttons by kind, and the last reports received.
#pragma once

#include <windows.h>

#include <deque>
#include <string>

#include "virtualmouse/device_state.h"

namespace vmouse {

struct PaintInfo {
  const DeviceState* state = nullptr;
  bool plugged = false;
  int reports = 0;
  int problems = 0;
  std::string lastProblem;
  const std::deque<std::string>* lastReports = nullptr;
};

void PaintMouseState(HDC dc, const RECT& area, const PaintInfo& info);

}  // namespace vmouse
