#include "settings/program_settings.h"

#include <utility>

namespace hushwall {

std::vector<std::string> WriteSettingsValues(SettingsStore& store, const SettingsValues& values) {
  const std::pair<const char*, std::string> writes[] = {
      {setting_key::kStartup, values.startup},
      {setting_key::kSound, values.sound},
      {setting_key::kSplash, values.splash},
      {setting_key::kActive, values.active},
      {setting_key::kNoTitleBar, std::to_string(values.rules.NoTitleBar)},
      {setting_key::kNoMaxButton, std::to_string(values.rules.NoMaxButton)},
      {setting_key::kNoMinButton, std::to_string(values.rules.NoMinButton)},
      {setting_key::kStereotypeWindows, std::to_string(values.rules.StereotypeWindows)},
  };
  std::vector<std::string> failed;
  for (const auto& [key, value] : writes)
    if (!store.WriteSetting(kSettingsApplication, kSettingsSection, key, value)) failed.push_back(key);
  return failed;
}

bool StoredSoundIsMissing(SettingsStore& store) {
  return store.ReadSetting(kStartSettingsApplication, kSettingsSection, setting_key::kSound).empty();
}

}  // namespace hushwall
