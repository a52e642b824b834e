#include "settings/system_settings_store.h"

namespace {
// Outside Windows there are no system mouse settings to keep in step with.
class CNoSystemSettings final : public CSystemSettingsStore {
 public:
  int Write(const Profile&) override { return 1; }
  int Read(Profile&) override { return 1; }
};
}  // namespace

CSystemSettingsStore& DefaultSystemSettingsStore() {
  static CNoSystemSettings store;
  return store;
}
