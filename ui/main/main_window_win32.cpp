#include "ui/main/main_window_win32.h"

#include <utility>

#include "controls/button/button_win32.h"
#include "platform/program_names.h"
#include "platform/resource_win32.h"
#include "resources/button_ids.h"
#include "resources/resource_ids.h"
#include "settings/program_settings.h"
#include "ui/main/command_line.h"
#include "ui/main/main_window_layout.h"
#include "platform/message_loop_win32.h"
#include "ui/main/tray_mouse.h"

namespace hushwall {
namespace {

constexpr DWORD kMainStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kMainExStyle = WS_EX_CONTROLPARENT;
constexpr char kTrayOwnerProperty[] = "HushWall.frmMain";

// Not shared: each picture is this window's own, destroyed with it.
Icon LoadPicture(int id, int size) {
  return Icon(static_cast<HICON>(
      LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
}

void AppendEntries(HMENU menu, const Menu& entries) {
  for (const MenuEntry& entry : entries.VisibleEntries()) {
    if (entry.IsSeparator())
      AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    else
      AppendMenuA(menu, MF_STRING, static_cast<UINT_PTR>(entry.command), entry.caption);
  }
}

// The saved property sets of the skinned buttons, from the program's resources.
const Layout& ButtonLayout() {
  static const Layout layout = [] {
    try {
      return ParseLayout(ResourceText(kMainLayoutResource));
    } catch (const LayoutError&) {
      return Layout();  // the buttons keep the captions and fonts of the table
    }
  }();
  return layout;
}

}  // namespace

TrayPictures::TrayPictures(int size)
    : green_img(LoadPicture(IDI_GREEN_IMG, size)), red_img(LoadPicture(IDI_RED_IMG, size)) {
  // The animation starts and ends on the enabled picture and holds its brightest frame.
  static constexpr int kFrames[] = {IDI_GREEN_IMG, IDI_MOON_1, IDI_MOON_2, IDI_MOON_3,
                                    IDI_MOON_4,    IDI_MOON_5, IDI_MOON_5, IDI_GREEN_IMG};
  static_assert(std::size(kFrames) == StatusAnimation::kFrameCount);
  for (int frame = 0; frame < StatusAnimation::kFrameCount; ++frame)
    imgMoon[frame] = LoadPicture(kFrames[frame], size);
}

HICON TrayPictures::Counterpart(const TrayPictures& other, HICON picture) const {
  if (!picture) return nullptr;
  if (picture == other.green_img.Get()) return green_img.Get();
  if (picture == other.red_img.Get()) return red_img.Get();
  for (std::size_t frame = 0; frame < imgMoon.size(); ++frame)
    if (picture == other.imgMoon[frame].Get()) return imgMoon[frame].Get();
  return nullptr;
}

frmMain::frmMain(ProgramPorts ports)
    : ports_(ports),
      engine_(state_, ports.desktop, ports.sound, ports.clock, *this),
      default_skin_(kDefaultSkinName) {}

frmMain::~frmMain() {
  if (!Handle()) return;
  worker_.reset();
  RemoveDialogWindow(Handle());
  KillTimer(Handle(), kWindowCheckTimer);
  KillTimer(Handle(), kAnimateTimer);
  if (tray_icon_shown_) RemoveTrayIcon();
  // The controls go before the fonts and pictures they show.
  DestroyWindow(Handle());
}

UINT frmMain::ShowInstanceMessage() {
  static const UINT message = RegisterWindowMessageA("HushWall.ShowMainWindow");
  return message;
}

void frmMain::Load() {
  RegisterClassOnce(kClassName, CS_DBLCLKS, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
                    LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_GREEN_IMG)));  // shared
  taskbar_created_ = RegisterWindowMessageA("TaskbarCreated");
  HMENU menu_bar = CreateMenu();
  HMENU file = CreatePopupMenu();
  AppendEntries(file, file_menu_);
  AppendMenuA(menu_bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "File");
  SIZE outer = OuterSizeForClientTwips(kMainClientWidthTwips, kMainClientHeightTwips, kMainStyle,
                                       kMainExStyle, true);
  Create(kClassName, kMainCaption, kMainStyle, kMainExStyle, CW_USEDEFAULT, CW_USEDEFAULT,
         outer.cx, outer.cy, nullptr, menu_bar);
  CreateControls();
  TabStopsOnlyIn("Frame3");  // the blocked pane lies on top of the other two
  EnableDialogKeys();
  LoadStep();
  worker_ = std::make_unique<DesktopWorker>(ports_.desktop, Handle(), kSnapshotMessage);
  // The first scan comes once the load step has returned.
  SetTimer(Handle(), kWindowCheckTimer, kScanPeriodMs, nullptr);
}

void frmMain::CreateControls() {
  host_.Attach(Handle());
  // The buttons draw from the default skin, which lies below the visible area.
  MyButtonWindow::Register();
  const int dpi = WindowDpi(Handle());
  if (default_skin_.LoadImageResource(BUTTON_DEFAULT_SKIN_RESOURCE))
    default_skin_.Create(Handle(), TwipsToPixels(3360, dpi), TwipsToPixels(4440, dpi), false);
  host_.Controls().CreateControls(Handle(), MainWindowControls(), &ButtonLayout());
  popups_view_.Attach(ControlHandle("lstPopUps"));
  removes_view_.Attach(ControlHandle("lstRemoves"));
  blocked_view_.Attach(ControlHandle("lstBlocked"));

  DpiChanged(dpi);

  // The shell reports the icon's mouse activity to this hidden check box.
  HWND owner = TrayOwner();
  SetPropA(owner, kTrayOwnerProperty, this);
  tray_owner_default_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(owner, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(TrayOwnerProcedure)));
}

// The pictures at the sizes Windows asks for at `dpi`: the window's large and small
// icons, and the tray's, which is the small size. The tray keeps showing the same
// picture at the new size.
void frmMain::DpiChanged(int dpi) {
  const int small = SystemMetricForDpi(SM_CXSMICON, dpi);
  TrayPictures fresh(small);
  Icon big = LoadPicture(IDI_GREEN_IMG, SystemMetricForDpi(SM_CXICON, dpi));
  SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.Get()));
  SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(fresh.green_img.Get()));
  if (HICON shown = fresh.Counterpart(pictures_, CurrentTrayPicture())) {
    if (tray_icon_shown_)
      ports_.tray.ChangeIcon(shown);
    else
      ports_.tray.StoreIcon(shown);
  }
  auto hold = [&](const char* name, HICON picture) {
    SendMessageA(ControlHandle(name), STM_SETICON, reinterpret_cast<WPARAM>(picture), 0);
  };
  hold("green_img", fresh.green_img.Get());
  hold("red_img", fresh.red_img.Get());
  static constexpr const char* kMoonNames[] = {"imgMoon(0)", "imgMoon(1)", "imgMoon(2)",
                                               "imgMoon(3)", "imgMoon(4)", "imgMoon(5)",
                                               "imgMoon(6)", "imgMoon(7)"};
  for (int frame = 0; frame < StatusAnimation::kFrameCount; ++frame)
    hold(kMoonNames[frame], fresh.imgMoon[frame].Get());
  // The old pictures go once nothing shows them.
  pictures_ = std::move(fresh);
  big_icon_ = std::move(big);
}

void frmMain::LoadStep() {
  CentreOnScreen();
  AddTrayIcon();
  if (StoredSoundIsMissing(ports_.settings)) state_.SetPlaySound(true);
  state_.Flags().StereotypeWindows = 1;
  state_.Flags().NoMaxButton = 1;
  if (AsksToStayHidden(ports_.process.CommandArguments())) ShowWindow(Handle(), SW_HIDE);
  load_report_ = ListFilesLoadMessage(ports_.lists.Load(state_));
  SyncViews();
}

void frmMain::CentreOnScreen() {
  RECT outer;
  GetWindowRect(Handle(), &outer);
  const int width = outer.right - outer.left;
  const int height = outer.bottom - outer.top;
  SetWindowPos(Handle(), nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void frmMain::AddTrayIcon() {
  ports_.tray.SetTrayIcon(TrayAction::kAdd, TrayOwner(), pictures_.green_img.Get(), kTrayTip);
  tray_icon_shown_ = true;
}

void frmMain::RemoveTrayIcon() {
  ports_.tray.SetTrayIcon(TrayAction::kDelete, TrayOwner(), pictures_.green_img.Get(), kTrayTip);
  tray_icon_shown_ = false;
}

HICON frmMain::CurrentTrayPicture() const {
  return reinterpret_cast<HICON>(static_cast<UINT_PTR>(ports_.tray.Data().icon));
}

void frmMain::SyncViews() {
  popups_.Sync();
  removes_.Sync();
  blocked_.Sync();
  if (state_.BlockedCount() != shown_count_) {
    shown_count_ = state_.BlockedCount();
    SetWindowTextA(ControlHandle("lblBlocked"), std::to_string(shown_count_).c_str());
  }
  HWND popsound = ControlHandle("chkPopsound");
  const WPARAM wanted = state_.PlaySound() ? BST_CHECKED : BST_UNCHECKED;
  if (static_cast<WPARAM>(SendMessageA(popsound, BM_GETCHECK, 0, 0)) != wanted)
    SendMessageA(popsound, BM_SETCHECK, wanted, 0);
}

LRESULT frmMain::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_TIMER:
      if (wparam == kWindowCheckTimer) tmrWindowCheck_Timer();
      if (wparam == kAnimateTimer) tmrAnimate_Timer();
      return 0;
    case WM_COMMAND:
      if (lparam == 0 && HIWORD(wparam) == 0)
        RunMenuCommand(static_cast<MenuCommand>(LOWORD(wparam)));
      else if (lparam != 0)
        OnControlCommand(LOWORD(wparam), HIWORD(wparam));
      return 0;
    case WM_SYSCOMMAND:
      // The close box and the system menu's Close only hide the window.
      if ((wparam & 0xFFF0) == SC_CLOSE) {
        HideMainWindow();
        return 0;
      }
      break;
    case WM_CLOSE:
      // Any other close request (an end-task request, say) is refused and changes
      // nothing: removing the icon here would leave the program blocking with no
      // way for the user to reach it.
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case kReportLoadMessage:
      ReportPartialLoad();
      return 0;
    case kSnapshotMessage:
      OnSnapshot();
      return 0;
    case WM_ENDSESSION:
      // The session's last moments undo nothing of the unload: no sound, no animation.
      if (wparam) {
        StopScan();
        KillTimer(Handle(), kAnimateTimer);
        UnloadStep();
      }
      return 0;
    default:
      if (message == taskbar_created_ && taskbar_created_ != 0) {
        // A restarted shell has forgotten the icon; it comes back as it was.
        if (tray_icon_shown_)
          ports_.tray.SetTrayIcon(TrayAction::kAdd, TrayOwner(), CurrentTrayPicture(), kTrayTip);
        return 0;
      }
      if (message == ShowInstanceMessage()) {
        ShowMainWindow();
        return 0;
      }
      break;
  }
  return Window::HandleMessage(message, wparam, lparam);
}

LRESULT CALLBACK frmMain::TrayOwnerProcedure(HWND window, UINT message, WPARAM wparam,
                                             LPARAM lparam) {
  auto* self = static_cast<frmMain*>(GetPropA(window, kTrayOwnerProperty));
  if (!self) return DefWindowProcA(window, message, wparam, lparam);
  if (message == kTrayCallbackMessage) {
    self->OnTrayMouse(TrayMouseMessage(static_cast<std::uint32_t>(lparam)));
    return 0;
  }
  if (message == WM_NCDESTROY) {
    WNDPROC original = self->tray_owner_default_;
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
    RemovePropA(window, kTrayOwnerProperty);
    return CallWindowProcA(original, window, message, wparam, lparam);
  }
  return CallWindowProcA(self->tray_owner_default_, window, message, wparam, lparam);
}

void frmMain::OnTrayMouse(unsigned mouse_message) {
  switch (RouteTrayMouse(mouse_message)) {
    case TrayMouseAction::OpenMenu:
      ShowTrayMenu(tray_menu_, kShowTrayMenuFlags, MenuCommand::ShowWindow);
      break;
    case TrayMouseAction::ShowWindow:
      ShowMainWindow();
      break;
    case TrayMouseAction::None:
      break;
  }
}

MenuHandle frmMain::BuildPopup(const Menu& menu, MenuCommand default_entry) const {
  MenuHandle popup(CreatePopupMenu());
  AppendEntries(popup.Get(), menu);
  if (default_entry != MenuCommand::None)
    SetMenuDefaultItem(popup.Get(), static_cast<UINT>(default_entry), FALSE);
  return popup;
}

void frmMain::ShowTrayMenu(const Menu& menu, UINT flags, MenuCommand default_entry) {
  POINT cursor;
  GetCursorPos(&cursor);
  const MenuHandle popup = BuildPopup(menu, default_entry);
  // Without the foreground switch a click outside the menu would not close it, and
  // the posted message lets the menu's loop see that it has ended.
  SetForegroundWindow(Handle());
  UINT chosen = TrackPopupMenu(popup.Get(), flags | TPM_RETURNCMD | TPM_NONOTIFY, cursor.x, cursor.y, 0,
                               Handle(), nullptr);
  PostMessageA(Handle(), WM_NULL, 0, 0);
  if (chosen != 0) RunMenuCommand(static_cast<MenuCommand>(chosen));
}

void frmMain::RunMenuCommand(MenuCommand command) {
  switch (command) {
    case MenuCommand::Close:
      HideMainWindow();
      break;
    case MenuCommand::ShowWindow:
      ShowMainWindow();
      break;
    case MenuCommand::EnablePopup:
      Enable();
      break;
    case MenuCommand::DisablePopup:
      Disable();
      break;
    case MenuCommand::UnloadExit:
      Exit();
      break;
    case MenuCommand::Setting:
    case MenuCommand::Setting2:
      settings_windows_.OpenSettings(Handle());
      break;
    case MenuCommand::Help:
      help_.Open(Handle());
      break;
    case MenuCommand::About:
      about_.Open(Handle());
      break;
    case MenuCommand::Cancel:
    case MenuCommand::None:
      break;
  }
  SyncViews();
}

void frmMain::ShowMainWindow() {
  if (IsIconic(Handle()))
    ShowWindow(Handle(), SW_RESTORE);
  else
    ShowWindow(Handle(), SW_SHOW);
  SetForegroundWindow(Handle());
  // The buttons look their skin up again.
  host_.WindowShown();
}

void frmMain::HideMainWindow() { ShowWindow(Handle(), SW_HIDE); }

void frmMain::Disable() {
  StopScan();
  // A running animation would end on the green picture while blocking is off.
  KillTimer(Handle(), kAnimateTimer);
  animation_.Stop();
  ports_.tray.ChangeIcon(pictures_.red_img.Get());
  blocking_.Disable();
}

void frmMain::Enable() {
  SetTimer(Handle(), kWindowCheckTimer, kScanPeriodMs, nullptr);
  ports_.tray.ChangeIcon(pictures_.green_img.Get());
  blocking_.Enable();
}

void frmMain::Exit() {
  if (ports_.boxes.Show(Handle(), kExitQuestion, kExitTitle, MB_YESNO) != IDYES) return;
  RemoveTrayIcon();
  UnloadStep();
  ports_.process.EndProcess();
}

void frmMain::UnloadStep() {
  RemoveTrayIcon();
  engine_.StopSound();
}

void frmMain::ReportLoadLater() {
  if (!load_report_.empty()) PostMessageA(Handle(), kReportLoadMessage, 0, 0);
}

void frmMain::ReportPartialLoad() {
  if (load_report_.empty()) return;
  const std::string text = std::move(load_report_);
  load_report_.clear();
  ports_.boxes.Show(Handle(), text, kApplicationTitle, MB_OK | MB_ICONEXCLAMATION);
}

void frmMain::SetPlaySound(bool on) {
  state_.SetPlaySound(on);
  SyncViews();  // chkPopsound follows the option
}

bool frmMain::AskYesNo(const std::string& text, const std::string& title) {
  return ports_.boxes.Show(Handle(), text, title, MB_YESNO) == IDYES;
}

void frmMain::Tell(const std::string& text, const std::string& title) {
  ports_.boxes.Show(Handle(), text, title, MB_OK);
}

bool frmMain::SaveRemoveList() { return ports_.lists.SaveRemoveList(Handle(), state_); }
bool frmMain::SaveBlockedLog() { return ports_.lists.SaveBlockedLog(Handle(), state_); }
bool frmMain::EraseBlockedLog() { return ports_.lists.EraseBlockedLog(Handle(), state_); }
void frmMain::CloseAllBrowserWindows() { worker_->RequestCloseAll(); }

// Blocking stops for every window not yet judged: a walk already asked for is
// dropped, and one being judged (inside an alert's message box) ends.
void frmMain::StopScan() {
  KillTimer(Handle(), kWindowCheckTimer);
  ++scan_round_;
  tick_waiting_ = false;
  engine_.StopJudging();
}

// The worker walks; this thread judges the whole snapshot in one handler, so no
// message is handled in the middle of a walk. One walk at a time: a tick that comes
// during one starts the next walk as soon as it has been judged, as a timer overrun
// by a long tick fires again at once.
void frmMain::tmrWindowCheck_Timer() {
  if (walk_pending_) {
    tick_waiting_ = true;
    return;
  }
  walk_pending_ = true;
  walk_round_ = scan_round_;
  worker_->RequestSnapshot();
}

void frmMain::OnSnapshot() {
  if (!walk_pending_) return;
  if (walk_round_ == scan_round_) {
    engine_.Judge(worker_->Snapshot());
    SyncViews();
  }
  walk_pending_ = false;
  if (std::exchange(tick_waiting_, false)) tmrWindowCheck_Timer();
}

void frmMain::OnLoggedBlock() {
  if (animation_.Start()) SetTimer(Handle(), kAnimateTimer, kAnimatePeriodMs, nullptr);
}

void frmMain::tmrAnimate_Timer() {
  StatusAnimation::Step step = animation_.Tick();
  ports_.tray.ChangeIcon(pictures_.imgMoon[step.frame_shown].Get());
  if (step.finished) {
    KillTimer(Handle(), kAnimateTimer);
    ports_.tray.StoreIcon(pictures_.green_img.Get());
  }
}

void frmMain::OnControlCommand(int id, int code) {
  if ((id == kIdPopUps || id == kIdRemoves) && code == LBN_SELCHANGE) OnListSelection(id);
  if (id == kIdPopsound && code == BN_CLICKED)
    state_.SetPlaySound(SendMessageA(ControlHandle("chkPopsound"), BM_GETCHECK, 0, 0) ==
                        BST_CHECKED);
  if (id == kIdCommand1 && code == BN_CLICKED) Command1_Click();
  if (id >= kIdBrowserlist && id <= kIdUnlExit && code == BN_CLICKED) OnButtonClick(id);
}

void frmMain::OnButtonClick(int id) {
  switch (id) {
    case kIdBrowserlist:
    case kIdBrowserlist2:
      ShowPane("Frame2");
      break;
    case kIdRemovelist2:
    case kIdRemovelist3:
      ShowPane("Frame1");
      break;
    case kIdBlocklist:
    case kIdBlocklist3:
      ShowPane("Frame3");
      break;
    case kIdBrowserlist3:  // each pane's own button
    case kIdRemovelist:
    case kIdBlocklist2:
      SetFocus(ControlHandle("cmdUnlExit"));
      break;
    case kIdAdd: commands_.cmdAdd_Click(); break;
    case kIdAddAll: commands_.cmdAddAll_Click(); break;
    case kIdCloseAll: commands_.cmdCloseAll_Click(); break;
    case kIdRemove: commands_.cmdRemove_Click(); break;
    case kIdRemoveAll: commands_.cmdRemoveAll_Click(); break;
    case kIdClearScreen: commands_.cmdClearScreen_Click(); break;
    case kIdSaveBlocked: commands_.cmdSaveBlocked_Click(); break;
    case kIdEraseLog: commands_.cmdEraseLog_Click(); break;
    case kIdUnlExit: HideMainWindow(); break;
  }
  // At once: no scan tick comes while blocking is disabled.
  SyncViews();
}

void frmMain::ShowPane(const char* pane) {
  for (const char* each : {"Frame1", "Frame2", "Frame3"})
    ShowWindow(ControlHandle(each), std::string_view(each) == pane ? SW_SHOW : SW_HIDE);
  TabStopsOnlyIn(pane);
  SetFocus(ControlHandle("cmdUnlExit"));
}

void frmMain::TabStopsOnlyIn(const char* pane) {
  for (const char* each : {"Frame1", "Frame2", "Frame3"})
    SetTabStopsReachable(ControlHandle(each), std::string_view(each) == pane);
}

void frmMain::Command1_Click() {
  ports_.boxes.Show(Handle(), std::to_string(state_.Flags().StereotypeWindows), kApplicationTitle,
                    MB_OK);
}

void frmMain::OnListSelection(int id) {
  ListBoxControl& view = id == kIdPopUps ? popups_view_ : removes_view_;
  ListBoxBinding& binding = id == kIdPopUps ? popups_ : removes_;
  binding.OnUserSelection(view.Selection());
}

}  // namespace hushwall
