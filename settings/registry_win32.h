// The current user's registry behind the Registry interface.
#pragma once

#include "settings/system_settings.h"

class Win32Registry final : public Registry {
 public:
  std::unique_ptr<RegistryKey> OpenOrCreate(std::string_view path) override;
};
