#include "settings/registry_win32.h"
#include "settings/system_settings_store.h"

namespace {
// The system mouse settings live in the current user's registry.
class CRegistryStore final : public CSystemSettingsStore {
 public:
  int Write(const Profile& profile) override { return WriteSystemSettings(profile, registry_); }
  int Read(Profile& profile) override { return ReadSystemSettings(profile, registry_); }

 private:
  CRegistryWin32 registry_;
};
}  // namespace

CSystemSettingsStore& DefaultSystemSettingsStore() {
  static CRegistryStore store;
  return store;
}
