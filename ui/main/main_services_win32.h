#pragma once
// What the main window needs from the rest of the program. The real services talk
// to the shell, the registry, the files and the desktop; tests replace single ones.
#include <windows.h>

#include <memory>
#include <string>
#include <string_view>

#include "engine/blocking_state.h"
#include "engine/ports.h"
#include "ui/main/tray_icon_win32.h"

namespace hushwall {

class MainWindowServices {
 public:
  MainWindowServices();
  virtual ~MainWindowServices();
  MainWindowServices(const MainWindowServices&) = delete;
  MainWindowServices& operator=(const MainWindowServices&) = delete;

  // The notification-area icon: its one record, filled for owner, icon and tip and
  // sent with an action; a new picture sent with modify, or only stored.
  virtual void SetTrayIcon(TrayAction action, HWND owner, HICON icon, std::string_view tip);
  virtual void ChangeTrayIcon(HICON icon);
  virtual void StoreTrayIcon(HICON icon);
  virtual const TrayIconData& TrayRecord() const;

  virtual std::string ReadSetting(const std::string& application, const std::string& section,
                                  const std::string& key);
  virtual std::string CommandArguments();
  virtual void LoadListFiles(BlockingState& state);

  // "Are you sure you want to close HushWall ?": true on Yes.
  virtual bool ConfirmExit(HWND owner);
  // Ends the process at once: no window's unload step runs and nothing is saved.
  virtual void EndProcess();
  // A message box with an OK button and the application title.
  virtual void ShowMessage(HWND owner, const std::string& text);

  virtual WindowSystem& Desktop();
  virtual AlertSound& Sound();
  virtual LogClock& Clock();

 private:
  struct Adapters;
  std::unique_ptr<Adapters> adapters_;
  TrayIcon tray_icon_;
};

}  // namespace hushwall
