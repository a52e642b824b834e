#include "hiddriver/report_frame.h"

#include <algorithm>

std::vector<std::uint8_t> FrameReport(const std::uint8_t* payload, std::size_t size,
                                      std::size_t declared) {
  if (payload == nullptr || !ChannelFits(declared, size)) return {};
  std::vector<std::uint8_t> report(declared, 0);
  std::copy(payload, payload + size, report.begin() + 1);
  return report;
}
