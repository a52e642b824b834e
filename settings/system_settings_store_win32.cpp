#include "settings/system_settings_store.h"

namespace {
// Replaced by the registry store of the system mouse settings.
class PendingRegistryStore final : public SystemSettingsStore {
 public:
  int Write(const Profile&) override { return 1; }
  int Read(Profile&) override { return 1; }
};
}  // namespace

SystemSettingsStore& DefaultSystemSettingsStore() {
  static PendingRegistryStore store;
  return store;
}
