#include "virtualmouse/host_link_win32.h"

#include <windows.h>

#include <optional>

#include "hiddriver/virtual_link.h"
#include "settings/system_names.h"
#include "wingui/handles_win32.h"

namespace vmouse {
namespace {

// Read fresh on every post: Monitor may have started, restarted or ended.
std::optional<vlink::LinkRecord> ReadLink() {
  CHandle mapping(OpenFileMappingA(FILE_MAP_READ, FALSE, names::kVirtualLinkMapping));
  if (!mapping) return std::nullopt;
  const CMappedView view(
      MapViewOfFile(mapping.Get(), FILE_MAP_READ, 0, 0, sizeof(vlink::LinkRecord)));
  if (!view) return std::nullopt;
  vlink::LinkRecord record;
  CopyMemory(&record, view.Get(), sizeof record);
  if (record.magic != vlink::kLinkMagic) return std::nullopt;
  return record;
}

bool Post(bool change, WPARAM wParam, LPARAM lParam) {
  const auto link = ReadLink();
  if (!link) return false;
  HWND window = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(link->window));
  if (!IsWindow(window)) return false;
  return PostMessageA(window, change ? link->changeMessage : link->reportMessage, wParam,
                      lParam) != FALSE;
}

}  // namespace

bool PostDeviceEvent(std::uint16_t type, std::uint16_t value) { return Post(false, type, value); }

bool PostDeviceChange(bool arrived) { return Post(true, arrived ? 1 : 0, 0); }

}  // namespace vmouse
