#pragma once
// frmExport and frmImport: the remove list to and from ".psl" list files, in a
// folder chosen with the system's drive and directory lists.
#include <windows.h>

#include <span>
#include <string>
#include <string_view>

#include "platform/form_win32.h"
#include "platform/secondary_window_win32.h"
#include "settings/settings_host_win32.h"

namespace hushwall {

// The drive list, folder list and (optionally) file list of one window, filled by
// DlgDirListComboBoxA and DlgDirListA. It keeps the open folder itself and leaves the
// process's current folder as it was, so the next dialog starts where this one did.
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

// What the export and import dialogs share: a fixed window with its control table,
// the directory lists, Enter for the focused button only, and the commands of their
// controls.
class ListFileDialog : public SecondaryWindow {
 public:
  struct Shape {
    const char* class_name;
    const char* caption;
    int width_twips;
    int height_twips;
    std::span<const ControlDefinition> controls;
  };
  ListFileDialog(Shape shape, SettingsHost& host, SettingsPorts ports, DirectoryBrowser::Ids lists);
  bool Load(HWND owner) override;
  HWND ControlHandle(std::string_view name) const { return form_.Control(name); }
  const DirectoryBrowser& Browser() const { return browser_; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  // A notification from one of the dialog's controls.
  virtual void OnCommand(int id, int code) = 0;

  Shape shape_;
  SettingsHost& host_;
  SettingsPorts ports_;
  Form form_;
  DirectoryBrowser browser_;
};

class frmExport : public ListFileDialog {
 public:
  static constexpr char kClassName[] = "HushWallExport";
  frmExport(SettingsHost& host, SettingsPorts ports);

 private:
  void OnCommand(int id, int code) override;
  void cmdSave_Click();

  Win32AtomicFileWriter writer_;
};

class frmImport : public ListFileDialog {
 public:
  static constexpr char kClassName[] = "HushWallImport";
  frmImport(SettingsHost& host, SettingsPorts ports);

 private:
  void OnCommand(int id, int code) override;
  void cmdImport_Click();
};

}  // namespace hushwall
