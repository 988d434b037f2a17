#include "settings/settings_dialog.h"

#include <algorithm>
#include <utility>

#include "settings/program_settings.h"

namespace hushwall {
namespace {

constexpr std::string_view kRuleBoxes[] = {"chkNoBorder", "chkNoMaxButton", "chkNoMinButton"};

}  // namespace

SettingsLogic::SettingsLogic(SettingsView& view, SettingsTargets targets, std::string program_path)
    : view_(view), targets_(std::move(targets)), program_path_(std::move(program_path)) {}

void SettingsLogic::Open(const std::string& shown_program_path) {
  targets_.rules.StereotypeWindows = 1;
  view_.SetText("lblAppPath", shown_program_path);
}

void SettingsLogic::SetPending(std::string_view text_box, bool checked) {
  view_.SetText(text_box, checked ? "1" : "0");
}

void SettingsLogic::CheckBoxClicked(std::string_view control) {
  const bool checked = Checked(control);
  if (control == "chkStart") {
    SetPending("txtStartup", checked);
    if (checked)
      targets_.startup.AddStartupEntry(kStartupEntryName, StartupCommandLine(program_path_));
    else
      targets_.startup.RemoveStartupEntry(kStartupEntryName);
  } else if (control == "chkPopsound") {
    // The option goes on before the pending value and off after it.
    if (checked) targets_.set_play_sound(true);
    SetPending("txtSound", checked);
    if (!checked) targets_.set_play_sound(false);
  } else if (control == "chkSplash") {
    SetPending("txtSplash", checked);
  } else if (control == "chkActive") {
    SetPending("txtActive", checked);
  } else if (control == "chkStereotype") {
    // Any state but unchecked enables; the boxes keep their states either way.
    const bool enable = view_.CheckState(control) != 0;
    for (std::string_view box : kRuleBoxes) view_.SetEnabled(box, enable);
  }
}

std::vector<std::string> SettingsLogic::Confirm() {
  targets_.rules.StereotypeWindows = Checked("chkStereotype") ? 1 : 0;
  SettingsValues values;
  values.startup = view_.Text("txtStartup");
  values.sound = view_.Text("txtSound");
  values.splash = view_.Text("txtSplash");
  values.active = view_.Text("txtActive");
  values.rules.NoTitleBar = static_cast<std::int16_t>(view_.CheckState("chkNoBorder"));
  values.rules.NoMaxButton = static_cast<std::int16_t>(view_.CheckState("chkNoMaxButton"));
  values.rules.NoMinButton = static_cast<std::int16_t>(view_.CheckState("chkNoMinButton"));
  values.rules.StereotypeWindows = static_cast<std::int16_t>(view_.CheckState("chkStereotype"));
  std::vector<std::string> failed = WriteSettingsValues(targets_.store, values);
  targets_.rules.NoTitleBar = values.rules.NoTitleBar;
  targets_.rules.NoMaxButton = values.rules.NoMaxButton;
  targets_.rules.NoMinButton = values.rules.NoMinButton;
  return failed;
}

void SettingsLogic::DeleteStoredSettings() {
  targets_.store.DeleteSettingsSection(kSettingsApplication, kSettingsSection);
}

namespace {

// The user knows a setting by the dialog's caption for it, never by its key.
std::string CaptionOf(const std::string& key) {
  static constexpr const char* kCaptions[][2] = {
      {setting_key::kStartup, "Run Hushwall when Windows starts"},
      {setting_key::kSound, "Play a sound when popup window is prevented"},
      {setting_key::kSplash, "Show splash screen when on startup"},
      {setting_key::kActive, "Enable / Disable HushWall"},
      {setting_key::kNoTitleBar, "No TitleBar"},
      {setting_key::kNoMaxButton, "No Max Button"},
      {setting_key::kNoMinButton, "No Min Button"},
      {setting_key::kStereotypeWindows, "Stereotype"}};
  for (const auto& [each, caption] : kCaptions)
    if (key == each) return caption;
  return key;
}

}  // namespace

std::string SettingsWriteFailureMessage(const std::vector<std::string>& failed_keys) {
  if (failed_keys.empty()) return "";
  if (failed_keys.size() >= std::size(kDialogSettingKeys)) return "The settings could not be saved.";
  std::string text = "These settings could not be saved:";
  for (const std::string& key : failed_keys) text += "\r\n\"" + CaptionOf(key) + "\"";
  return text;
}

}  // namespace hushwall
