// The eleven exported entry points, defined against their declarations in
// hiddriver_api.h. Each one forwards to the backend, made on first use from
// the setting beside the library.
#include <cstdint>
#include <memory>
#include <mutex>

#include "hiddriver/device_backend.h"
#include "hiddriver/hiddriver_api.h"

namespace {

CDeviceBackend& Backend() {
  static std::once_flag once;
  static std::unique_ptr<CDeviceBackend> backend;
  std::call_once(once, [] { backend = CreateDeviceBackend(); });
  return *backend;
}

}  // namespace

extern "C" {

int Set_VIDPID(int vendorId, int productId) {
  Backend().SetVidPid(static_cast<std::uint16_t>(vendorId), static_cast<std::uint16_t>(productId));
  return 1;
}
int Open_DevMonitor(void* window, unsigned reportMessage, unsigned changeMessage) {
  return Backend().OpenMonitor(window, reportMessage, changeMessage);
}
int Close_DevMonitor() { return Backend().CloseMonitor(); }
int Open_FeatureDevice() { return Backend().OpenFeature(); }
int Close_FeatureDevice() { return Backend().CloseFeature(); }
int SetFeature(const std::uint8_t* bytes, int length) { return Backend().SetFeature(bytes, length); }
int GetFeature(std::uint8_t* bytes, int length) { return Backend().GetFeature(bytes, length); }
int Open_ReportDevice() { return Backend().OpenReport(); }
int Close_ReportDevice() { return Backend().CloseReport(); }
int WriteUSB(const std::uint8_t* bytes, int length) { return Backend().WriteUSB(bytes, length); }
// Events come as posted messages; there is nothing to read synchronously.
int ReadUSB(std::uint8_t*, int) { return 0; }

}  // extern "C"
