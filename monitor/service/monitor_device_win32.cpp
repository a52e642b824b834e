#include "monitor/service/monitor_device_win32.h"

#include "settings/system_names.h"

CMonitorDeviceWin32::CMonitorDeviceWin32(HWND window, const std::filesystem::path& folder)
    : window_(window), library_(std::make_unique<CHidLibrary>(folder)) {}

CMonitorDeviceWin32::~CMonitorDeviceWin32() {
  // Normally Shutdown has ended both already.
  StopTransferThread();
  DisconnectDevice();
}

bool CMonitorDeviceWin32::ConnectDevice() {
  HWND window = window_;
  transfer_ = std::make_unique<CTransferThread>(
      *library_,
      [window](unsigned kind, TransferResult result) {
        PostMessageA(window, MSG_TRANSFER_DONE, kind, static_cast<LPARAM>(result));
      },
      CTransfer::ProfileActivated{});
  transfer_->SetAttachedCheck([this] { return attached_.load(); });
  transfer_->Start();

  library_->Set_VIDPID(names::kVendorId, names::kProductId);
  library_->Open_DevMonitor(reinterpret_cast<WindowId>(window_), MSG_DEVICE_EVENT,
                            MSG_DEVICE_CHANGE);
  attached_ = OpenMouse();
  return attached_;
}

bool CMonitorDeviceWin32::OpenDevice() {
  // An arrival: the mouse is there, whether or not it opens at once.
  attached_ = true;
  return OpenMouse();
}

void CMonitorDeviceWin32::CloseDevice() {
  attached_ = false;
  CloseMouse();
}

void CMonitorDeviceWin32::DisconnectDevice() {
  if (!library_) return;
  CloseDevice();
  library_->Close_DevMonitor();
  library_.reset();
}

bool CMonitorDeviceWin32::OpenMouse() {
  if (!library_) return false;
  library_->Open_FeatureDevice();
  return library_->Open_ReportDevice();
}

void CMonitorDeviceWin32::CloseMouse() {
  if (!library_) return;
  library_->Close_FeatureDevice();
  library_->Close_ReportDevice();
}

bool CMonitorDeviceWin32::PostTransfer(unsigned kind, const ProfileSet& set) {
  return transfer_ && transfer_->Post(kind, set);
}

void CMonitorDeviceWin32::RequestTransferAbort() {
  if (transfer_) transfer_->RequestAbort();
}

void CMonitorDeviceWin32::StopTransferThread() {
  if (transfer_) transfer_->Stop();
  transfer_.reset();
}

void CMonitorDeviceWin32::Sleep(unsigned ms) { ::Sleep(ms); }
