#include "virtualmouse/report_log.h"

#include <cstdio>

namespace vmouse {

std::string ReportLogLine(std::uint64_t ms, ReportKind kind, const std::uint8_t* bytes,
                          std::size_t length) {
  std::string line = std::to_string(ms);
  line += kind == ReportKind::Feature ? " feature" : " packet";
  for (std::size_t i = 0; i < length; ++i) {
    char hex[4];
    std::snprintf(hex, sizeof hex, " %02X", bytes[i]);
    line += hex;
  }
  line += "\n";
  return line;
}

}  // namespace vmouse
