// The firmware version as the main dialog shows it.
#pragma once

#include <string>

// "FWVersion" is the version times 100: 104 shows as "1.04". Below 100, or
// above 500 when upperBound is set, the text is "N/A". (At start-up both
// bounds apply; the full reload on message 1254 checks only the lower one.)
std::string FirmwareText(int version, bool upperBound = true);
