#include "monitor/device/hid_library_win32.h"

#include "settings/system_names.h"

namespace {

template <typename Fn>
bool Bind(HMODULE module, Fn& fn, const char* name) {
  fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
  return fn != nullptr;
}

}  // namespace

CHidLibrary::CHidLibrary(const std::filesystem::path& folder) {
  module_.Reset(LoadLibraryW((folder / names::kDeviceLibrary).c_str()));
  if (!module_) {
    OutputDebugStringA("HidLibrary: device library not found\n");
    return;
  }
  // Bind all eleven, in this order, even the two Monitor never calls: a
  // library without any of them is not the one Monitor was built for.
  const HMODULE m = module_.Get();
  bound_ = Bind(m, setVidPid_, "Set_VIDPID") && Bind(m, openDevMonitor_, "Open_DevMonitor") &&
           Bind(m, closeDevMonitor_, "Close_DevMonitor") &&
           Bind(m, openFeatureDevice_, "Open_FeatureDevice") &&
           Bind(m, closeFeatureDevice_, "Close_FeatureDevice") &&
           Bind(m, setFeature_, "SetFeature") && Bind(m, getFeature_, "GetFeature") &&
           Bind(m, openReportDevice_, "Open_ReportDevice") &&
           Bind(m, closeReportDevice_, "Close_ReportDevice") && Bind(m, writeUsb_, "WriteUSB") &&
           Bind(m, readUsb_, "ReadUSB");
  if (!bound_) {
    OutputDebugStringA("HidLibrary: device library lacks an entry point\n");
    module_.Reset();
  }
}

void CHidLibrary::Set_VIDPID(int vendorId, int productId) {
  if (bound_) setVidPid_(vendorId, productId);
}

void CHidLibrary::Open_DevMonitor(WindowId window, unsigned reportMessage, unsigned changeMessage) {
  if (bound_) openDevMonitor_(reinterpret_cast<void*>(window), reportMessage, changeMessage);
}

void CHidLibrary::Close_DevMonitor() {
  if (bound_) closeDevMonitor_();
}

void CHidLibrary::Open_FeatureDevice() {
  if (bound_) openFeatureDevice_();
}

void CHidLibrary::Close_FeatureDevice() {
  if (bound_) closeFeatureDevice_();
}

bool CHidLibrary::Open_ReportDevice() { return bound_ && openReportDevice_() != 0; }

void CHidLibrary::Close_ReportDevice() {
  if (bound_) closeReportDevice_();
}

void CHidLibrary::SetFeature(const std::uint8_t* bytes, std::size_t length) {
  if (bound_) setFeature_(bytes, static_cast<int>(length));
}

void CHidLibrary::WriteUSB(const std::uint8_t* bytes, std::size_t length) {
  if (bound_) writeUsb_(bytes, static_cast<int>(length));
}
