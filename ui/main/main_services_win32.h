#pragma once
// What the main window needs from the rest of the program. The real services talk
// to the shell, the registry, the files and the desktop; tests replace single ones.
#include <windows.h>

#include <memory>
#include <string>
#include <string_view>

#include "engine/blocking_state.h"
#include "engine/ports.h"
#include "ui/main/tray_icon.h"

namespace hushwall {

class MainWindowServices {
 public:
  MainWindowServices();
  virtual ~MainWindowServices();
  MainWindowServices(const MainWindowServices&) = delete;
  MainWindowServices& operator=(const MainWindowServices&) = delete;

  // Fills the record for the owner, icon and tip and hands it to the shell.
  virtual void SetTrayIcon(TrayIconData& record, TrayAction action, HWND owner, HICON icon,
                           std::string_view tip);
  // Hands the record as it stands to the shell.
  virtual void NotifyTray(TrayAction action, TrayIconData& record);

  virtual std::string ReadSetting(const std::string& application, const std::string& section,
                                  const std::string& key);
  virtual std::string CommandArguments();
  virtual void LoadListFiles(BlockingState& state);

  // "Are you sure you want to close HushWall ?": true on Yes.
  virtual bool ConfirmExit(HWND owner);
  // Ends the process at once: no window's unload step runs and nothing is saved.
  virtual void EndProcess();

  virtual WindowSystem& Desktop();
  virtual AlertSound& Sound();
  virtual LogClock& Clock();

 private:
  struct Adapters;
  std::unique_ptr<Adapters> adapters_;
};

}  // namespace hushwall
