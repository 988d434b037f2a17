#pragma once
// The settings store in the per-user registry: application, section and key map to
// HKEY_CURRENT_USER\Software\<application>\<section>, value <key>, a REG_SZ string.
// The registry compares key and value names without regard to case.
#include "settings/settings_store.h"

namespace hushwall {

class RegistrySettingsStore : public SettingsStore {
 public:
  // A value of another type than a string reads as "".
  std::string ReadSetting(const std::string& application, const std::string& section,
                          const std::string& key) override;
  bool WriteSetting(const std::string& application, const std::string& section,
                    const std::string& key, const std::string& value) override;
  // Removes the section key with its values; a section that has subkeys of its own
  // (never made by this store) is left in place and reported as a failure.
  bool DeleteSettingsSection(const std::string& application, const std::string& section) override;
};

}  // namespace hushwall
