#pragma once
// frmMain: the hidden main window that owns the blocking state, the engine, the
// scan and animation timers, the notification-area icon and the menus.
#include <windows.h>

#include <array>
#include <memory>
#include <string_view>

#include "engine/blocking_state.h"
#include "controls/host/control_host_win32.h"
#include "engine/desktop_worker_win32.h"
#include "engine/engine.h"
#include "platform/form_win32.h"
#include "platform/handles_win32.h"
#include "platform/picture_box_win32.h"
#include "platform/window_win32.h"
#include "settings/settings_dialog_win32.h"
#include "settings/settings_host_win32.h"
#include "ui/main/list_box_win32.h"
#include "ui/windows/about_win32.h"
#include "ui/windows/help_win32.h"
#include "ui/main/list_commands.h"
#include "ui/main/list_sync.h"
#include "ui/main/program_ports_win32.h"
#include "ui/main/status_animation.h"
#include "ui/main/tray_icon.h"
#include "ui/main/tray_menu.h"

namespace hushwall {

// The icon pictures: the enabled and disabled pictures and the animation frames.
struct TrayPictures {
  TrayPictures() = default;
  // Every picture at `size` x `size` pixels.
  explicit TrayPictures(int size);
  // This set's picture standing where `picture` stands in `other`; null for none.
  HICON Counterpart(const TrayPictures& other, HICON picture) const;

  Icon green_img;
  Icon red_img;
  std::array<Icon, StatusAnimation::kFrameCount> imgMoon;
};

class frmMain : public Window, private BlockListener, private ListCommandHost, private SettingsHost {
 public:
  static constexpr char kClassName[] = "HushWallMain";
  static constexpr UINT kScanPeriodMs = 200;
  static constexpr UINT kAnimatePeriodMs = 100;
  static constexpr UINT_PTR kWindowCheckTimer = 1;  // tmrWindowCheck
  static constexpr UINT_PTR kAnimateTimer = 2;      // tmrAnimate
  static constexpr UINT kShowTrayMenuFlags = 10;    // right-aligned, either button
  // A partly loaded list file is reported once the start has gone on, not in the
  // middle of it.
  static constexpr UINT kReportLoadMessage = WM_APP + 1;
  // Posted by the desktop worker: a walk's snapshot is ready to be judged.
  static constexpr UINT kSnapshotMessage = WM_APP + 2;

  explicit frmMain(ProgramPorts ports);
  ~frmMain() override;

  // Creates the window without showing it, runs the load step and starts the scan.
  void Load();

  // Tells the user, from the message loop, of a list file the load step could not
  // hold whole; called once the splash has gone.
  void ReportLoadLater();

  // Registered message that asks a running instance to show its main window.
  static UINT ShowInstanceMessage();

  void OnTrayMouse(unsigned mouse_message);
  // Pops `menu` up at the cursor and runs the chosen entry's command.
  void ShowTrayMenu(const Menu& menu, UINT flags, MenuCommand default_entry);
  void RunMenuCommand(MenuCommand command);
  void ShowMainWindow();
  void Disable();
  void Enable();
  void Exit();
  // Shows the model's current state in the controls.
  void SyncViews();
  ListCommands& Commands() { return commands_; }
  SettingsWindows& Settings() { return settings_windows_; }
  AboutWindow* About() const { return about_.Get(); }
  HelpWindow* Help() const { return help_.Get(); }

  BlockingState& State() override { return state_; }
  HWND ControlHandle(std::string_view name) const { return host_.Controls().Control(name); }
  ControlHostWin32& Host() { return host_; }
  HWND TrayOwner() const { return ControlHandle("chkSystrayMsg"); }
  const Menu& TrayMenu() const { return tray_menu_; }
  const TrayPictures& Pictures() const { return pictures_; }
  const TrayIconData& TrayRecord() const { return ports_.tray.Data(); }
  bool ScanRunning() const { return blocking_.Enabled(); }
  bool AnimationRunning() const { return animation_.Running(); }
  bool TrayIconShown() const { return tray_icon_shown_; }
  // Builds the popup menu as it would open now.
  MenuHandle BuildPopup(const Menu& menu, MenuCommand default_entry) const;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;
  void DpiChanged(int dpi) override;

 private:
  void OnLoggedBlock() override;
  bool AskYesNo(const std::string& text, const std::string& title) override;
  void Tell(const std::string& text, const std::string& title) override;
  bool SaveRemoveList() override;
  bool SaveBlockedLog() override;
  bool EraseBlockedLog() override;
  void CloseAllBrowserWindows() override;
  bool ShowsRemoveSelection(const std::string& entry) override {
    return removes_view_.SelectedLineReads(entry);
  }
  void ReportPartialLoad();
  // SettingsHost
  void SetPlaySound(bool on) override;
  void RemoveListChanged() override { SyncViews(); }

  void CreateControls();
  void LoadStep();
  void CentreOnScreen();
  void AddTrayIcon();
  void RemoveTrayIcon();
  HICON CurrentTrayPicture() const;
  void UnloadStep();
  void HideMainWindow();
  void StopScan();

  void tmrWindowCheck_Timer();
  void OnSnapshot();
  void tmrAnimate_Timer();
  void OnControlCommand(int id, int code);
  // A skinned button was clicked.
  void OnButtonClick(int id);
  // Shows one of the three panes and hides the other two.
  void ShowPane(const char* pane);
  // Only the controls of the pane in front are tab stops.
  void TabStopsOnlyIn(const char* pane);
  void OnListSelection(int id);
  void Command1_Click();

  static LRESULT CALLBACK TrayOwnerProcedure(HWND window, UINT message, WPARAM wparam,
                                             LPARAM lparam);

  ProgramPorts ports_;
  BlockingState state_;
  BlockingEngine engine_;
  PictureBox default_skin_;  // MyButtonDefSkin, below the visible area
  ControlHostWin32 host_;     // the controls, the skinned buttons among them
  TrayPictures pictures_;  // at the small-icon size, as the tray and the title bar show them
  Icon big_icon_;
  bool tray_icon_shown_ = false;
  StatusAnimation animation_;
  Menu file_menu_ = MakeFileMenu();
  Menu tray_menu_ = MakeTrayMenu();
  BlockingSwitch blocking_{tray_menu_};
  ListCommands commands_{state_, *this};
  SecondaryWindowHolder<AboutWindow> about_;
  SecondaryWindowHolder<HelpWindow> help_;
  SettingsWindows settings_windows_{*this, {ports_.settings, ports_.startup, ports_.lists, ports_.boxes}};
  std::string load_report_;
  std::unique_ptr<DesktopWorker> worker_;
  bool walk_pending_ = false;
  bool tick_waiting_ = false;
  // Raised whenever blocking stops, so a walk asked for before is not judged.
  unsigned scan_round_ = 0;
  unsigned walk_round_ = 0;

  ListBoxControl popups_view_;
  ListBoxControl removes_view_;
  ListBoxControl blocked_view_;
  ListBoxBinding popups_{state_.SeenList(), popups_view_, true};
  ListBoxBinding removes_{state_.RemoveList(), removes_view_, true};
  ListBoxBinding blocked_{state_.BlockedLog(), blocked_view_, false};
  std::int64_t shown_count_ = -1;

  UINT taskbar_created_ = 0;
  WNDPROC tray_owner_default_ = nullptr;
};

}  // namespace hushwall
