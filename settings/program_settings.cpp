#include "settings/program_settings.h"

#include <iterator>

namespace hushwall {

std::vector<std::string> WriteSettingsValues(SettingsStore& store, const SettingsValues& values) {
  // In the order of kDialogSettingKeys.
  const std::string texts[] = {
      values.startup,
      values.sound,
      values.splash,
      values.active,
      std::to_string(values.rules.NoTitleBar),
      std::to_string(values.rules.NoMaxButton),
      std::to_string(values.rules.NoMinButton),
      std::to_string(values.rules.StereotypeWindows),
  };
  static_assert(std::size(texts) == std::size(kDialogSettingKeys));
  std::vector<std::string> failed;
  for (std::size_t i = 0; i < std::size(texts); ++i)
    if (!store.WriteSetting(kSettingsApplication, kSettingsSection, kDialogSettingKeys[i], texts[i]))
      failed.push_back(kDialogSettingKeys[i]);
  return failed;
}

bool StoredSoundIsMissing(SettingsStore& store) {
  return store.ReadSetting(kStartSettingsApplication, kSettingsSection, setting_key::kSound).empty();
}

}  // namespace hushwall
