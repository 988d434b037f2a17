#pragma once
// The program's own settings: where they are kept, their keys, and the eight values
// the settings dialog writes.
#include <string>
#include <vector>

#include "engine/blocking_state.h"
#include "settings/settings_store.h"

namespace hushwall {

// The settings dialog writes under "Vantel Hushwall" (lower-case w), unlike the
// window titles; the start reads "Sound" under "Vantel HushWall". The store ignores
// letter case, so both name one place.
inline constexpr char kSettingsApplication[] = "Vantel Hushwall";
inline constexpr char kStartSettingsApplication[] = "Vantel HushWall";
inline constexpr char kSettingsSection[] = "Settings";

namespace setting_key {
inline constexpr char kStartup[] = "Startup";
inline constexpr char kSound[] = "Sound";
inline constexpr char kSplash[] = "Splash";
inline constexpr char kActive[] = "Active";
inline constexpr char kNoTitleBar[] = "NoTitleBar";
inline constexpr char kNoMaxButton[] = "NoMaxButton";
inline constexpr char kNoMinButton[] = "NoMinButton";
inline constexpr char kStereotypeWindows[] = "StereotypeWindows";
}  // namespace setting_key

// The keys the settings dialog writes, in the order it writes them.
inline constexpr const char* kDialogSettingKeys[] = {
    setting_key::kStartup,     setting_key::kSound,       setting_key::kSplash,      setting_key::kActive,
    setting_key::kNoTitleBar,  setting_key::kNoMaxButton, setting_key::kNoMinButton, setting_key::kStereotypeWindows,
};

// What the settings dialog stores: four pending texts ("1" or "0", kept as the
// user's clicks left them) and the rule flags.
struct SettingsValues {
  std::string startup = "0";
  std::string sound = "1";
  std::string splash = "1";
  std::string active = "0";
  RuleFlags rules{0, 0, 0, 0};
};

// Writes the eight values in the dialog's order, each on its own, so one failure does
// not keep the others from being stored. Returns the keys that could not be written.
std::vector<std::string> WriteSettingsValues(SettingsStore& store, const SettingsValues& values);

// The start's reading of "Sound": true when the value is missing or empty, which
// switches the play-sound option on.
bool StoredSoundIsMissing(SettingsStore& store);

}  // namespace hushwall
