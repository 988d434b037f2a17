#pragma once
// What the program's windows use of the rest of the system, one small interface
// each, so a test can replace any of them; and the real ones.
#include <windows.h>

#include "engine/alert_sound_win32.h"
#include "engine/desktop_win32.h"
#include "engine/list_files_win32.h"
#include "engine/log_clock_win32.h"
#include "engine/ports.h"
#include "platform/message_boxes_win32.h"
#include "settings/settings_store.h"
#include "settings/settings_store_win32.h"
#include "settings/startup_entry_win32.h"
#include "ui/main/process_win32.h"
#include "ui/main/tray_icon_win32.h"

namespace hushwall {

struct ProgramPorts {
  TrayIconPort& tray;
  SettingsStore& settings;
  ListFiles& lists;
  MessageBoxes& boxes;
  ProcessControl& process;
  StartupEntries& startup;
  WindowSystem& desktop;
  AlertSound& sound;
  LogClock& clock;
};

// The real system: the shell's notification area, the registry, the files beside
// the program, user32's message boxes and windows, winmm's sound.
class SystemPorts {
 public:
  SystemPorts() = default;
  SystemPorts(const SystemPorts&) = delete;
  SystemPorts& operator=(const SystemPorts&) = delete;

  ProgramPorts Ports() {
    return {tray_, settings_, lists_, boxes_, process_, startup_, desktop_, sound_, clock_};
  }

 private:
  TrayIcon tray_;
  RegistrySettingsStore settings_;
  Win32MessageBoxes boxes_;
  ProgramListFiles lists_{boxes_};  // asks through the boxes above
  Win32Process process_;
  RegistryStartupEntries startup_;
  Win32Desktop desktop_;
  Win32AlertSound sound_{GetModuleHandleA(nullptr), nullptr, &boxes_};
  Win32LogClock clock_;
};

}  // namespace hushwall
