#include "settings/system_settings_store.h"

namespace {
// Outside Windows there are no system mouse settings to keep in step with.
class NoSystemSettings final : public SystemSettingsStore {
 public:
  int Write(const Profile&) override { return 1; }
  int Read(Profile&) override { return 1; }
};
}  // namespace

SystemSettingsStore& DefaultSystemSettingsStore() {
  static NoSystemSettings store;
  return store;
}
