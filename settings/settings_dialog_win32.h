#pragma once
// frmSetting, the settings dialog, and SettingsWindows, which keeps it and the list
// dialogs single-instance and owned by the main window.
#include <windows.h>

#include <string>
#include <string_view>

#include "platform/form_win32.h"
#include "platform/gdi_win32.h"
#include "platform/handles_win32.h"
#include "platform/secondary_window_win32.h"
#include "settings/list_transfer_win32.h"
#include "settings/settings_dialog.h"
#include "settings/settings_host_win32.h"
#include "settings/startup_entry_win32.h"

namespace hushwall {

class SettingsWindows;

class frmSetting : public SecondaryWindow, private SettingsView {
 public:
  static constexpr char kClassName[] = "HushWallSetting";
  frmSetting(SettingsWindows& windows, SettingsHost& host, SettingsPorts ports, std::string program_path);
  bool Load(HWND owner) override;
  HWND ControlHandle(std::string_view name) const { return form_.Control(name); }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  int CheckState(std::string_view control) const override;
  std::string Text(std::string_view control) const override;
  void SetText(std::string_view control, const std::string& text) override;
  void SetEnabled(std::string_view control, bool enabled) override;

  void SetInitialStates();
  // The shields drawn at their size at `dpi`, not stretched from 96 dpi's.
  void ShowShields(int dpi);
  void DpiChanged(int dpi) override { ShowShields(dpi); }
  void OnCommand(HWND control, int code);
  LRESULT OnControlColour(HDC dc, HWND control);
  void cmdOK_Click();
  void cmdCleanList_Click();

  SettingsWindows& windows_;
  SettingsHost& host_;
  SettingsPorts ports_;
  std::string program_path_;
  Icon shield_;  // the controls only show it
  Form form_;
  SettingsLogic logic_;
  GdiObject<HBRUSH> path_background_;
};

// Owns the three dialogs. Export and import are owned by the main window, not by
// the settings dialog, so they outlive it.
class SettingsWindows {
 public:
  SettingsWindows(SettingsHost& host, SettingsPorts ports, std::string program_path = ProgramFilePath());

  // Each loads its dialog when it is not open, then shows it and brings it forward.
  frmSetting* OpenSettings(HWND main_window);
  frmExport* OpenExport();
  frmImport* OpenImport();

  frmSetting* Settings() const { return settings_.Get(); }
  frmExport* Export() const { return export_.Get(); }
  frmImport* Import() const { return import_.Get(); }

 private:
  HWND main_window_ = nullptr;
  SecondaryWindowHolder<frmSetting> settings_;
  SecondaryWindowHolder<frmExport> export_;
  SecondaryWindowHolder<frmImport> import_;
};

}  // namespace hushwall
