// Monitor's link to the mouse: what the device library offers, as Monitor uses
// it. Open and close come from the window thread; SetFeature and WriteUSB only
// from the transfer thread. Every call on a missing or closed device does
// nothing and fails quietly.
#pragma once

#include <cstddef>
#include <cstdint>

// Window handle passed to the library as an opaque integer, so this header
// stays free of platform headers.
using WindowId = std::uintptr_t;

inline constexpr std::size_t kFeatureReportSize = 8;
inline constexpr std::size_t kPacketSize = 64;

// The sending half of the link: what a transfer needs.
class CReportSink {
 public:
  virtual ~CReportSink() = default;
  // One 8-byte feature report (length always kFeatureReportSize).
  virtual void SetFeature(const std::uint8_t* bytes, std::size_t length) = 0;
  // One 64-byte data packet (length always kPacketSize).
  virtual void WriteUSB(const std::uint8_t* bytes, std::size_t length) = 0;
};

class CDeviceLink : public CReportSink {
 public:
  // False when the library or one of its entry points is missing: the link
  // then does nothing, reports no device and posts no events.
  virtual bool IsBound() const = 0;

  virtual void Set_VIDPID(int vendorId, int productId) = 0;
  // The library posts reportMessage (device events) and changeMessage
  // (arrival wParam 1, removal wParam 0) to window.
  virtual void Open_DevMonitor(WindowId window, unsigned reportMessage,
                               unsigned changeMessage) = 0;
  virtual void Close_DevMonitor() = 0;
  virtual void Open_FeatureDevice() = 0;
  virtual void Close_FeatureDevice() = 0;
  // True when the mouse is present and open.
  virtual bool Open_ReportDevice() = 0;
  virtual void Close_ReportDevice() = 0;
};
