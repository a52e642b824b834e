// The entry points of hiddriver.dll, exported by these exact names (no
// decoration) with the plain C calling convention. Monitor binds them with
// GetProcAddress; the pointer types below are what it casts to.
//
// Every function returns 1 for success and 0 for failure. Calls on a closed or
// missing device do nothing and return 0; none of them blocks for long.
#pragma once

#include <cstdint>

extern "C" {

// Vendor and product number of the mouse to look for (0x1017, 0x2001).
using Set_VIDPID_fn = int (*)(int vendorId, int productId);
// window is the HWND that receives the posted messages: reportMessage
// (wParam = event type, lParam = event value in the low 16 bits) for every
// event the mouse reports, changeMessage (wParam 1 arrival, 0 removal).
using Open_DevMonitor_fn = int (*)(void* window, unsigned reportMessage, unsigned changeMessage);
using Close_DevMonitor_fn = int (*)();
using Open_FeatureDevice_fn = int (*)();
using Close_FeatureDevice_fn = int (*)();
// One 8-byte feature report; length must be 8.
using SetFeature_fn = int (*)(const std::uint8_t* bytes, int length);
// Reads an 8-byte feature report from the mouse into bytes (length >= 8);
// the virtual mouse has none to give and this then returns 0.
using GetFeature_fn = int (*)(std::uint8_t* bytes, int length);
// 1 while the mouse is present and its report channel is open, else 0.
using Open_ReportDevice_fn = int (*)();
using Close_ReportDevice_fn = int (*)();
// One 64-byte data packet; length must be 64.
using WriteUSB_fn = int (*)(const std::uint8_t* bytes, int length);
// Not supported: events arrive as posted messages instead. Always returns 0.
using ReadUSB_fn = int (*)(std::uint8_t* bytes, int length);

}  // extern "C"
