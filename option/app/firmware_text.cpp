#include "option/app/firmware_text.h"

std::string FirmwareText(int version, bool upperBound) {
  if (version < 100 || (upperBound && version > 500)) return "N/A";
  std::string digits = std::to_string(version);
  return digits.substr(0, 1) + "." + digits.substr(1);
}
