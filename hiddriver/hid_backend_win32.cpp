#include "hiddriver/hid_backend_win32.h"

// clang-format off
#include <setupapi.h>
#include <dbt.h>
// The HID headers of the toolchain declare C functions without saying so.
extern "C" {
#include <hidsdi.h>
#include <hidpi.h>
}
// clang-format on

#include <cctype>
#include <cstdio>
#include <vector>

#include "hiddriver/input_report.h"
#include "hiddriver/report_frame.h"

namespace {

constexpr size_t kCommandSize = 8;
constexpr size_t kPacketSize = 64;
const WindowClass kNotifyClass{"OspreyHidNotify"};

// The set-up and HID libraries' own handles.
struct DeviceInfoListTraits {
  static bool IsNone(HDEVINFO h) { return h == nullptr || h == INVALID_HANDLE_VALUE; }
  static void Close(HDEVINFO h) { SetupDiDestroyDeviceInfoList(h); }
};
struct PreparsedDataTraits : wingui_traits::NullIsNone {
  static void Close(PHIDP_PREPARSED_DATA data) { HidD_FreePreparsedData(data); }
};
using CDeviceInfoList = CUniqueHandle<HDEVINFO, DeviceInfoListTraits>;
using CPreparsedData = CUniqueHandle<PHIDP_PREPARSED_DATA, PreparsedDataTraits>;

struct Caps {
  USHORT input = 0, output = 0, feature = 0;
};

Caps CollectionCaps(HANDLE device) {
  Caps caps;
  CPreparsedData data;
  if (!HidD_GetPreparsedData(device, data.Receive())) return caps;
  HIDP_CAPS c{};
  if (HidP_GetCaps(data.Get(), &c) == HIDP_STATUS_SUCCESS)
    caps = {c.InputReportByteLength, c.OutputReportByteLength, c.FeatureReportByteLength};
  return caps;
}

std::vector<std::wstring> HidDevicePaths() {
  std::vector<std::wstring> paths;
  GUID guid;
  HidD_GetHidGuid(&guid);
  const CDeviceInfoList list(
      SetupDiGetClassDevsW(&guid, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE));
  if (!list) return paths;
  const HDEVINFO set = list.Get();
  SP_DEVICE_INTERFACE_DATA iface{};
  iface.cbSize = sizeof iface;
  for (DWORD i = 0; SetupDiEnumDeviceInterfaces(set, nullptr, &guid, i, &iface); ++i) {
    DWORD size = 0;
    SetupDiGetDeviceInterfaceDetailW(set, &iface, nullptr, 0, &size, nullptr);
    if (size < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W)) continue;
    std::vector<std::uint8_t> buffer(size);
    auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(buffer.data());
    detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
    if (SetupDiGetDeviceInterfaceDetailW(set, &iface, detail, size, nullptr, nullptr))
      paths.emplace_back(detail->DevicePath);
  }
  return paths;
}

}  // namespace

CHidBackend::~CHidBackend() {
  CloseReport();
  CloseFeature();
  CloseMonitor();
}

void CHidBackend::SetVidPid(std::uint16_t vendorId, std::uint16_t productId) {
  vendor_ = vendorId;
  product_ = productId;
}

bool CHidBackend::IsOurDevice(const char* path) const {
  char wanted[32];
  std::snprintf(wanted, sizeof wanted, "vid_%04x&pid_%04x", unsigned(vendor_), unsigned(product_));
  std::string lower(path ? path : "");
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower.find(wanted) != std::string::npos;
}

void CHidBackend::PostChange(bool arrived) const {
  if (HWND target = target_) PostMessageA(target, changeMessage_, arrived ? 1 : 0, 0);
}

int CHidBackend::OpenMonitor(void* window, unsigned reportMessage, unsigned changeMessage) {
  reportMessage_ = reportMessage;
  changeMessage_ = changeMessage;
  target_ = static_cast<HWND>(window);
  if (notifier_.Running()) return 1;
  // The notification window lives on a thread of its own, so that nothing
  // depends on the caller's message loop.
  return notifier_.Start(
             {}, 0, [this] { notifyWindow_.Create(); }, [this] { notifyWindow_.Destroy(); })
             ? 1
             : 0;
}

int CHidBackend::CloseMonitor() {
  target_ = nullptr;
  if (!notifier_.Running()) return 0;
  notifier_.Stop();
  return 1;
}

bool CHidBackend::CNotifyWnd::Create() {
  if (!CreateWindowOf(kNotifyClass, 0, 0, 0, 0, 0, 0)) return false;
  DEV_BROADCAST_DEVICEINTERFACE_A filter{};
  filter.dbcc_size = sizeof filter;
  filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
  HidD_GetHidGuid(&filter.dbcc_classguid);
  notify_ = RegisterDeviceNotificationA(Hwnd(), &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
  return true;
}

LRESULT CHidBackend::CNotifyWnd::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_DEVICECHANGE:
      if (wp != DBT_DEVICEARRIVAL && wp != DBT_DEVICEREMOVECOMPLETE) break;
      OnDeviceChange(wp == DBT_DEVICEARRIVAL, lp);
      return TRUE;
    case WM_DESTROY:
      if (notify_) UnregisterDeviceNotification(notify_);
      notify_ = nullptr;
      break;
  }
  return Default(msg, wp, lp);
}

void CHidBackend::CNotifyWnd::OnDeviceChange(bool arrived, LPARAM lp) {
  const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(lp);
  if (!header || header->dbch_devicetype != DBT_DEVTYP_DEVICEINTERFACE) return;
  const auto* iface = reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_A*>(header);
  if (backend_.IsOurDevice(iface->dbcc_name)) backend_.PostChange(arrived);
}

CHidBackend::Collection CHidBackend::OpenCollection(Want want, bool overlapped) const {
  for (const std::wstring& path : HidDevicePaths()) {
    CHandle device(CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                     overlapped ? FILE_FLAG_OVERLAPPED : 0, nullptr));
    if (!device) continue;
    HIDD_ATTRIBUTES attributes{};
    attributes.Size = sizeof attributes;
    if (!HidD_GetAttributes(device.Get(), &attributes) || attributes.VendorID != vendor_ ||
        attributes.ProductID != product_)
      continue;
    const Caps caps = CollectionCaps(device.Get());
    if (want == Want::Feature && ChannelFits(caps.feature, kCommandSize))
      return {std::move(device), caps.feature};
    if (want == Want::Output && ChannelFits(caps.output, kPacketSize))
      return {std::move(device), caps.output};
    if (want == Want::Input && caps.input >= kInputReportSize)
      return {std::move(device), caps.input};
  }
  return {};
}

int CHidBackend::OpenFeature() {
  Collection found = OpenCollection(Want::Feature, false);
  std::lock_guard lock(lock_);
  feature_ = std::move(found.device);
  featureLength_ = found.reportLength;
  return feature_ ? 1 : 0;
}

int CHidBackend::CloseFeature() {
  std::lock_guard lock(lock_);
  feature_.Reset();
  return 1;
}

int CHidBackend::SetFeature(const std::uint8_t* bytes, int length) {
  if (bytes == nullptr || length != static_cast<int>(kCommandSize)) return 0;
  std::lock_guard lock(lock_);
  std::vector<std::uint8_t> report = FrameReport(bytes, kCommandSize, featureLength_);
  if (!feature_ || report.empty()) return 0;
  return HidD_SetFeature(feature_.Get(), report.data(), static_cast<ULONG>(report.size())) ? 1 : 0;
}

int CHidBackend::GetFeature(std::uint8_t* bytes, int length) {
  if (bytes == nullptr || length < static_cast<int>(kCommandSize)) return 0;
  std::lock_guard lock(lock_);
  if (!feature_ || !ChannelFits(featureLength_, kCommandSize)) return 0;
  std::vector<std::uint8_t> report(featureLength_, 0);
  if (!HidD_GetFeature(feature_.Get(), report.data(), static_cast<ULONG>(report.size()))) return 0;
  CopyMemory(bytes, report.data() + 1, kCommandSize);
  return 1;
}

int CHidBackend::OpenReport() {
  CloseReport();
  Collection output = OpenCollection(Want::Output, false);
  Collection input = OpenCollection(Want::Input, true);
  std::lock_guard lock(lock_);
  output_ = std::move(output.device);
  outputLength_ = output.reportLength;
  input_ = std::move(input.device);
  if (input_) {
    stopRead_ = CHandle(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    if (stopRead_) reader_ = std::thread(&CHidBackend::ReadLoop, this);
  }
  return output_ ? 1 : 0;
}

void CHidBackend::StopReader() {
  if (!reader_.joinable()) return;
  SetEvent(stopRead_.Get());
  reader_.join();
}

int CHidBackend::CloseReport() {
  StopReader();
  std::lock_guard lock(lock_);
  output_.Reset();
  input_.Reset();
  stopRead_.Reset();
  return 1;
}

int CHidBackend::WriteUSB(const std::uint8_t* bytes, int length) {
  if (bytes == nullptr || length != static_cast<int>(kPacketSize)) return 0;
  std::lock_guard lock(lock_);
  const std::vector<std::uint8_t> report = FrameReport(bytes, kPacketSize, outputLength_);
  if (!output_ || report.empty()) return 0;
  DWORD written = 0;
  return WriteFile(output_.Get(), report.data(), static_cast<DWORD>(report.size()), &written,
                   nullptr) &&
                 written == report.size()
             ? 1
             : 0;
}

// One overlapped read at a time until the stop event or a read error (the
// device went away). Runs while input_ and stopRead_ stay open: CloseReport
// joins this thread before closing them.
void CHidBackend::ReadLoop() {
  const Caps caps = CollectionCaps(input_.Get());
  std::vector<std::uint8_t> buffer(caps.input);
  CHandle done(CreateEventA(nullptr, TRUE, FALSE, nullptr));
  if (!done || buffer.empty()) return;
  for (;;) {
    OVERLAPPED ov{};
    ov.hEvent = done.Get();
    ResetEvent(done.Get());
    DWORD got = 0;
    if (!ReadFile(input_.Get(), buffer.data(), static_cast<DWORD>(buffer.size()), &got, &ov) &&
        GetLastError() != ERROR_IO_PENDING)
      return;
    HANDLE waits[2] = {done.Get(), stopRead_.Get()};
    if (WaitForMultipleObjects(2, waits, FALSE, INFINITE) != WAIT_OBJECT_0) {
      CancelIo(input_.Get());
      GetOverlappedResult(input_.Get(), &ov, &got, TRUE);
      return;
    }
    if (!GetOverlappedResult(input_.Get(), &ov, &got, FALSE)) return;
    if (const auto event = DecodeInputReport(buffer.data(), got))
      if (HWND target = target_) PostMessageA(target, reportMessage_, event->type, event->value);
  }
}
