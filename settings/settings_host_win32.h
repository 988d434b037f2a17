#pragma once
// What the settings, export and import dialogs need from the main window and from
// the rest of the system.
#include <windows.h>

#include "engine/blocking_state.h"
#include "engine/list_files_win32.h"
#include "platform/message_boxes_win32.h"
#include "settings/settings_store.h"
#include "settings/startup_entry.h"

namespace hushwall {

class SettingsHost {
 public:
  virtual ~SettingsHost() = default;
  virtual BlockingState& State() = 0;
  // Switches the play-sound option and keeps the main window's chkPopsound in step.
  virtual void SetPlaySound(bool on) = 0;
  // The remove list has changed: show it now, not at the next scan tick.
  virtual void RemoveListChanged() = 0;
};

struct SettingsPorts {
  SettingsStore& store;
  StartupEntries& startup;
  ListFiles& lists;
  MessageBoxes& boxes;
};

// Enter means the focused push button and nothing else: without a focused button
// there is no default, so Enter in a check box or text box does not confirm.
LRESULT FocusedPushButtonAsDefault(HWND window);

}  // namespace hushwall
