#pragma once
// frmExport and frmImport: the remove list to and from ".psl" list files, in a
// folder chosen with the system's drive and directory lists.
#include <windows.h>

#include <string>
#include <string_view>

#include "platform/form_win32.h"
#include "platform/secondary_window_win32.h"
#include "settings/settings_host_win32.h"

namespace hushwall {

// The drive list, folder list and (optionally) file list of one window, filled by
// DlgDirListComboBoxA and DlgDirListA. It keeps the open folder itself, so nothing
// depends on the process's current folder after the start.
class DirectoryBrowser {
 public:
  struct Ids {
    int drives;
    int folders;
    int files;  // 0: no file list
    int path_label;
  };
  DirectoryBrowser(Ids ids, MessageBoxes& boxes) : ids_(ids), boxes_(boxes) {}

  // Fills the lists for the process's current folder; no file is selected.
  void Start(HWND window);
  // The open folder, as the user sees it in the path label.
  const std::string& Folder() const { return folder_; }
  // The drive list's selection changed: move to that drive's current folder, or
  // tell the user and go back when the drive is not ready.
  void DriveChosen();
  // The user opened the highlighted entry of the folder list.
  void FolderOpened();
  // Lists `folder`; false (and nothing changed) when it cannot be listed.
  bool ShowFolder(const std::string& folder, bool select_first_file);

 private:
  void SelectDriveOf(const std::string& folder);

  Ids ids_;
  MessageBoxes& boxes_;
  HWND window_ = nullptr;
  std::string folder_;
};

class frmExport : public SecondaryWindow {
 public:
  static constexpr char kClassName[] = "HushWallExport";
  frmExport(SettingsHost& host, SettingsPorts ports);
  bool Load(HWND owner) override;
  HWND ControlHandle(std::string_view name) const { return form_.Control(name); }
  const DirectoryBrowser& Browser() const { return browser_; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  void OnCommand(int id, int code);
  void cmdSave_Click();

  SettingsHost& host_;
  SettingsPorts ports_;
  Form form_;
  DirectoryBrowser browser_;
  Win32AtomicFileWriter writer_;
};

class frmImport : public SecondaryWindow {
 public:
  static constexpr char kClassName[] = "HushWallImport";
  frmImport(SettingsHost& host, SettingsPorts ports);
  bool Load(HWND owner) override;
  HWND ControlHandle(std::string_view name) const { return form_.Control(name); }
  const DirectoryBrowser& Browser() const { return browser_; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  void OnCommand(int id, int code);
  void cmdImport_Click();

  SettingsHost& host_;
  SettingsPorts ports_;
  Form form_;
  DirectoryBrowser browser_;
};

}  // namespace hushwall
