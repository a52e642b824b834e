// One line of the report log: milliseconds since start, "feature" or
// "packet", the bytes in upper-case hex separated by spaces.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace vmouse {

enum class ReportKind { Feature, Packet };

std::string ReportLogLine(std::uint64_t ms, ReportKind kind, const std::uint8_t* bytes,
                          std::size_t length);

}  // namespace vmouse
