// The current user's registry behind the Registry interface.
#pragma once

#include "settings/system_settings.h"

class CRegistryWin32 final : public CRegistry {
 public:
  std::unique_ptr<CRegistryKey> OpenOrCreate(std::string_view path) override;
};
