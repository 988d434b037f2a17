#pragma once
// What the settings dialog does, apart from the window: its check-box rules, the
// opening and the OK sequence. The window reads and sets its controls through
// SettingsView, so the rules run against a fake in tests.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/blocking_state.h"
#include "settings/settings_store.h"
#include "settings/startup_entry.h"

namespace hushwall {

// The dialog's controls, by their names.
class SettingsView {
 public:
  virtual ~SettingsView() = default;
  virtual int CheckState(std::string_view control) const = 0;
  virtual std::string Text(std::string_view control) const = 0;
  virtual void SetText(std::string_view control, const std::string& text) = 0;
  virtual void SetEnabled(std::string_view control, bool enabled) = 0;
};

struct SettingsTargets {
  SettingsStore& store;
  StartupEntries& startup;
  RuleFlags& rules;
  // Switches the play-sound option and the main window's box that shows it.
  std::function<void(bool)> set_play_sound;
};

class SettingsLogic {
 public:
  // `program_path`: the program file as the start entry names it.
  SettingsLogic(SettingsView& view, SettingsTargets targets, std::string program_path);

  // Every opening arms the master rule, whatever the user does next.
  void Open(const std::string& shown_program_path);
  // After the named check box has changed state; other controls are ignored.
  void CheckBoxClicked(std::string_view control);
  // OK up to closing: the rule flags and the eight stored values. Returns the keys
  // that could not be written; the others are written and the flags set regardless.
  std::vector<std::string> Confirm();
  // Errors are ignored: a missing section is the usual one.
  void DeleteStoredSettings();

 private:
  bool Checked(std::string_view control) const { return view_.CheckState(control) == 1; }
  void SetPending(std::string_view text_box, bool checked);

  SettingsView& view_;
  SettingsTargets targets_;
  std::string program_path_;
};

// The message for writes that failed, naming the keys that failed and those that were
// saved; "" when none failed.
std::string SettingsWriteFailureMessage(const std::vector<std::string>& failed_keys);

}  // namespace hushwall
