// The backend that plays the device through the virtual mouse program:
// reports go to its window as WM_COPYDATA, and the window given to
// Open_DevMonitor is published in a named mapping for it to post events to.
#pragma once

#include <atomic>
#include <mutex>

#include "hiddriver/device_backend.h"
#include "wingui/handles_win32.h"

class CVirtualBackend : public CDeviceBackend {
 public:
  ~CVirtualBackend() override;
  void SetVidPid(std::uint16_t, std::uint16_t) override {}
  int OpenMonitor(void* window, unsigned reportMessage, unsigned changeMessage) override;
  int CloseMonitor() override;
  int OpenFeature() override;
  int CloseFeature() override;
  int SetFeature(const std::uint8_t* bytes, int length) override;
  int GetFeature(std::uint8_t*, int) override { return 0; }
  int OpenReport() override;
  int CloseReport() override;
  int WriteUSB(const std::uint8_t* bytes, int length) override;

 private:
  // 1 when the virtual mouse runs, is plugged and took the message.
  static int Send(unsigned kind, const void* bytes, int length);

  std::mutex linkLock_;
  CHandle link_;
  std::atomic<bool> featureOpen_{false};
  std::atomic<bool> reportOpen_{false};
};
