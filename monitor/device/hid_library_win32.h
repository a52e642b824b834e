// The device library bound at run time from the installation folder. When the
// library or any of its eleven entry points is missing the link stays
// unbound: every call does nothing and no device is ever reported.
#pragma once

#include <windows.h>

#include <filesystem>

#include "hiddriver/hiddriver_api.h"
#include "monitor/device/device_link.h"
#include "wingui/handles_win32.h"

class CHidLibrary final : public CDeviceLink {
 public:
  // folder: the installation folder with its trailing backslash.
  explicit CHidLibrary(const std::filesystem::path& folder);

  bool IsBound() const override { return bound_; }
  void Set_VIDPID(int vendorId, int productId) override;
  void Open_DevMonitor(WindowId window, unsigned reportMessage, unsigned changeMessage) override;
  void Close_DevMonitor() override;
  void Open_FeatureDevice() override;
  void Close_FeatureDevice() override;
  bool Open_ReportDevice() override;
  void Close_ReportDevice() override;
  void SetFeature(const std::uint8_t* bytes, std::size_t length) override;
  void WriteUSB(const std::uint8_t* bytes, std::size_t length) override;

 private:
  CModule module_;
  bool bound_ = false;
  Set_VIDPID_fn setVidPid_ = nullptr;
  Open_DevMonitor_fn openDevMonitor_ = nullptr;
  Close_DevMonitor_fn closeDevMonitor_ = nullptr;
  Open_FeatureDevice_fn openFeatureDevice_ = nullptr;
  Close_FeatureDevice_fn closeFeatureDevice_ = nullptr;
  SetFeature_fn setFeature_ = nullptr;
  GetFeature_fn getFeature_ = nullptr;
  Open_ReportDevice_fn openReportDevice_ = nullptr;
  Close_ReportDevice_fn closeReportDevice_ = nullptr;
  WriteUSB_fn writeUsb_ = nullptr;
  ReadUSB_fn readUsb_ = nullptr;
};
