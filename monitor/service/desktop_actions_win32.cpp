#include "monitor/service/desktop_actions_win32.h"

namespace {
// Placeholder until the desktop actions land: events are accepted and dropped.
class NoDesktopActions final : public HostActions {
 public:
  void OnButton(int, bool) override {}
  void OnRunProgram(int) override {}
  void OnMultimedia(int, bool) override {}
  void OnTimer(unsigned) override {}
};
}  // namespace

std::unique_ptr<HostActions> CreateDesktopActions(const ProfileSet&, HWND) {
  return std::make_unique<NoDesktopActions>();
}
