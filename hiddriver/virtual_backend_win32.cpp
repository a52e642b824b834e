#include "hiddriver/virtual_backend_win32.h"

#include "hiddriver/virtual_link.h"
#include "settings/system_names.h"

namespace {

// Long enough for a busy virtual mouse, short enough that a hung one doesn't
// stall Monitor's transfer for good.
constexpr UINT kSendTimeoutMs = 1000;

bool WriteLink(HANDLE mapping, const vlink::LinkRecord& record) {
  const CMappedView view(MapViewOfFile(mapping, FILE_MAP_WRITE, 0, 0, sizeof record));
  if (!view) return false;
  CopyMemory(view.Get(), &record, sizeof record);
  return true;
}

}  // namespace

CVirtualBackend::~CVirtualBackend() { CloseMonitor(); }

int CVirtualBackend::Send(unsigned kind, const void* bytes, int length) {
  HWND mouse = FindWindowA(nullptr, names::kVirtualMouseTitle);
  if (mouse == nullptr) return 0;
  COPYDATASTRUCT data{kind, static_cast<DWORD>(length), const_cast<void*>(bytes)};
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutA(mouse, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                           SMTO_ABORTIFHUNG, kSendTimeoutMs, &answer))
    return 0;
  return answer == 1 ? 1 : 0;
}

int CVirtualBackend::OpenMonitor(void* window, unsigned reportMessage, unsigned changeMessage) {
  std::lock_guard lock(linkLock_);
  if (!link_)
    link_ = CHandle(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                       sizeof(vlink::LinkRecord), names::kVirtualLinkMapping));
  if (!link_) return 0;
  vlink::LinkRecord record{};
  record.magic = vlink::kLinkMagic;
  record.processId = GetCurrentProcessId();
  record.window = reinterpret_cast<std::uintptr_t>(window);
  record.reportMessage = reportMessage;
  record.changeMessage = changeMessage;
  return WriteLink(link_.Get(), record) ? 1 : 0;
}

int CVirtualBackend::CloseMonitor() {
  std::lock_guard lock(linkLock_);
  if (!link_) return 0;
  WriteLink(link_.Get(), vlink::LinkRecord{});
  link_.Reset();
  return 1;
}

int CVirtualBackend::OpenFeature() {
  featureOpen_ = Send(vlink::kCopyQuery, nullptr, 0) == 1;
  return featureOpen_ ? 1 : 0;
}

int CVirtualBackend::CloseFeature() {
  featureOpen_ = false;
  return 1;
}

int CVirtualBackend::OpenReport() {
  reportOpen_ = Send(vlink::kCopyQuery, nullptr, 0) == 1;
  return reportOpen_ ? 1 : 0;
}

int CVirtualBackend::CloseReport() {
  reportOpen_ = false;
  return 1;
}

int CVirtualBackend::SetFeature(const std::uint8_t* bytes, int length) {
  if (!featureOpen_ || bytes == nullptr || length != 8) return 0;
  return Send(vlink::kCopyFeature, bytes, length);
}

int CVirtualBackend::WriteUSB(const std::uint8_t* bytes, int length) {
  if (!reportOpen_ || bytes == nullptr || length != 64) return 0;
  return Send(vlink::kCopyPacket, bytes, length);
}
