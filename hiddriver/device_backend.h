// The device library's inside: one backend behind the eleven entry points,
// either the real HID device or the virtual mouse program. Results follow the
// entry points: 1 success, 0 failure; calls on a closed device return 0.
#pragma once

#include <cstdint>
#include <memory>

class CDeviceBackend {
 public:
  virtual ~CDeviceBackend() = default;
  virtual void SetVidPid(std::uint16_t vendorId, std::uint16_t productId) = 0;
  virtual int OpenMonitor(void* window, unsigned reportMessage, unsigned changeMessage) = 0;
  virtual int CloseMonitor() = 0;
  virtual int OpenFeature() = 0;
  virtual int CloseFeature() = 0;
  virtual int SetFeature(const std::uint8_t* bytes, int length) = 0;
  virtual int GetFeature(std::uint8_t* bytes, int length) = 0;
  virtual int OpenReport() = 0;
  virtual int CloseReport() = 0;
  virtual int WriteUSB(const std::uint8_t* bytes, int length) = 0;
};

// The backend chosen by the setting file beside the library.
std::unique_ptr<CDeviceBackend> CreateDeviceBackend();
