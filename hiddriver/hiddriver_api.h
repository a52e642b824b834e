// The entry points of hiddriver.dll, exported by these exact names (no
// decoration) with the plain C calling convention. The DLL defines them
// against these declarations, so the compiler checks each one's type; Monitor
// binds them with GetProcAddress and casts to the pointer types below.
//
// Every function returns 1 for success and 0 for failure. Calls on a closed or
// missing device do nothing and return 0; none of them blocks for long.
#pragma once

#include <cstdint>

extern "C" {

// Vendor and product number of the mouse to look for (0x1017, 0x2001).
int Set_VIDPID(int vendorId, int productId);
// window is the HWND that receives the posted messages: reportMessage
// (wParam = event type, lParam = event value in the low 16 bits) for every
// event the mouse reports, changeMessage (wParam 1 arrival, 0 removal).
int Open_DevMonitor(void* window, unsigned reportMessage, unsigned changeMessage);
int Close_DevMonitor();
int Open_FeatureDevice();
int Close_FeatureDevice();
// One 8-byte feature report; length must be 8.
int SetFeature(const std::uint8_t* bytes, int length);
// Reads an 8-byte feature report from the mouse into bytes (length >= 8);
// the virtual mouse has none to give and this then returns 0.
int GetFeature(std::uint8_t* bytes, int length);
// 1 while the mouse is present and its report channel is open, else 0.
int Open_ReportDevice();
int Close_ReportDevice();
// One 64-byte data packet; length must be 64.
int WriteUSB(const std::uint8_t* bytes, int length);
// Not supported: events arrive as posted messages instead. Always returns 0.
int ReadUSB(std::uint8_t* bytes, int length);

}  // extern "C"

using Set_VIDPID_fn = decltype(&Set_VIDPID);
using Open_DevMonitor_fn = decltype(&Open_DevMonitor);
using Close_DevMonitor_fn = decltype(&Close_DevMonitor);
using Open_FeatureDevice_fn = decltype(&Open_FeatureDevice);
using Close_FeatureDevice_fn = decltype(&Close_FeatureDevice);
using SetFeature_fn = decltype(&SetFeature);
using GetFeature_fn = decltype(&GetFeature);
using Open_ReportDevice_fn = decltype(&Open_ReportDevice);
using Close_ReportDevice_fn = decltype(&Close_ReportDevice);
using WriteUSB_fn = decltype(&WriteUSB);
using ReadUSB_fn = decltype(&ReadUSB);
