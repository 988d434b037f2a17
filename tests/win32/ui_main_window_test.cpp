// The main window in-process under Wine: its load step, close handling, menus,
// tray mouse routing, animation, enable/disable and the list-box binding.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "controls/button/button_win32.h"
#include "platform/form_win32.h"
#include "platform/resource_win32.h"
#include "ui/main/main_window_layout.h"
#include "ui/main/main_window_win32.h"
#include "platform/message_loop_win32.h"
#include "ui/main/program_ports_win32.h"
#include "support/keyboard_focus.h"
#include "support/message_pump.h"

namespace hushwall {
namespace {

TrayHandle Value(const void* handle) { return reinterpret_cast<TrayHandle>(handle); }

using test::PumpUntil;

// The real desktop narrowed to this process's windows, so that tests running beside
// this one neither disturb it nor lose windows to it. Counts scan passes, so a test
// can wait for whole ticks instead of sleeping.
class CountingDesktop : public WindowSystem {
 public:
  explicit CountingDesktop(WindowSystem& real) : real_(real) {}
  void ForEachTopLevelWindow(Visitor visit, void* context) override {
    ++passes;
    struct Filter {
      Visitor visit;
      void* context;
      CountingDesktop* desktop;
    } filter{visit, context, this};
    real_.ForEachTopLevelWindow(
        [](void* filter_context, WindowHandle window) {
          auto* filter = static_cast<Filter*>(filter_context);
          DWORD process = 0;
          GetWindowThreadProcessId(reinterpret_cast<HWND>(static_cast<UINT_PTR>(window)), &process);
          if (process != GetCurrentProcessId()) return;
          filter->visit(filter->context, window);
          if (filter->desktop->on_visit) filter->desktop->on_visit();
        },
        &filter);
  }
  int TitleLength(WindowHandle window) override { return real_.TitleLength(window); }
  int CopyTitle(WindowHandle window, char* buffer, int limit) override {
    return real_.CopyTitle(window, buffer, limit);
  }
  std::uint32_t StyleWord(WindowHandle window) override { return real_.StyleWord(window); }
  void PostCloseRequest(WindowHandle window) override { real_.PostCloseRequest(window); }
  bool WindowExists(WindowHandle window) override { return real_.WindowExists(window); }
  int passes = 0;
  std::function<void()> on_visit;

 private:
  WindowSystem& real_;
};

// Every port of the main window in one recording fake, but the desktop (the real
// one narrowed to this process) and the clock.
class FakePorts : public TrayIconPort,
                  public SettingsStore,
                  public AlertSound,
                  public StartupEntries,
                  public ListFiles,
                  public MessageBoxes,
                  public ProcessControl {
 public:
  ProgramPorts Ports() { return {*this, *this, *this, *this, *this, *this, desktop, *this, clock}; }

  bool SetTrayIcon(TrayAction action, HWND owner, HICON icon, std::string_view tip) override {
    FillTrayIconData(record, Value(owner), Value(icon), tip);
    if (action == TrayAction::kAdd) Step("tray add");
    if (action == TrayAction::kDelete) Step("tray delete");
    tray_calls.push_back({action, record});
    return true;
  }
  bool ChangeIcon(HICON icon) override {
    record.icon = Value(icon);
    tray_calls.push_back({TrayAction::kModify, record});
    return true;
  }
  void StoreIcon(HICON icon) override { record.icon = Value(icon); }
  bool Send(TrayAction action) override {
    tray_calls.push_back({action, record});
    return true;
  }
  const TrayIconData& Data() const override { return record; }

  std::string ReadSetting(const std::string& application, const std::string& section,
                          const std::string& key) override {
    Step("read " + application + "/" + section + "/" + key);
    if (on_read_setting) on_read_setting();
    return sound_setting;
  }
  bool WriteSetting(const std::string&, const std::string&, const std::string&,
                    const std::string&) override {
    return false;
  }
  bool DeleteSettingsSection(const std::string&, const std::string&) override { return false; }

  bool LoadResource(const char*, const char*, std::vector<std::uint8_t>& bytes) override {
    bytes.assign(64, 0);
    return true;
  }
  void PlayMemory(const std::uint8_t*, unsigned) override { ++sounds_played; }
  void StopPlaying() override { Step("stop sound"); }
  void ReportCannotPlay() override {}

  void AddStartupEntry(const std::string& name, const std::string&) override { Step("add startup " + name); }
  void RemoveStartupEntry(const std::string& name) override { Step("remove startup " + name); }

  ListFilesLoad Load(BlockingState& state) override {
    Step("load lists");
    for (const std::string& title : remove_list) state.RemoveList().Append(title);
    return {remove_list_load, {}};
  }
  bool SaveRemoveList(HWND, const BlockingState&) override {
    Step("save removes");
    return true;
  }
  bool SaveBlockedLog(HWND, const BlockingState&) override {
    Step("save log");
    return true;
  }

  int Show(HWND, const std::string& text, const std::string& title, UINT type) override {
    boxes.push_back({text, title, type});
    Step("box " + title);
    return box_answer;
  }

  std::string CommandArguments() override {
    Step("command line");
    if (on_command_line) on_command_line();
    return arguments;
  }
  void EndProcess() override { Step("end process"); }

  void Step(const std::string& step) { steps.push_back(step); }
  int CountOf(TrayAction action) const {
    int count = 0;
    for (const auto& call : tray_calls) count += call.action == action;
    return count;
  }

  struct TrayCall {
    TrayAction action;
    TrayIconData record;
  };
  struct Box {
    std::string text;
    std::string title;
    UINT type;
  };
  TrayIconData record{};
  Win32Desktop real_desktop;
  CountingDesktop desktop{real_desktop};
  Win32LogClock clock;
  int sounds_played = 0;
  std::vector<std::string> steps;
  std::vector<TrayCall> tray_calls;
  std::vector<Box> boxes;
  std::function<void()> on_read_setting;
  std::function<void()> on_command_line;
  std::string sound_setting;
  std::string arguments;
  std::vector<std::string> remove_list;
  RemoveListLoad remove_list_load;
  int box_answer = IDNO;
};

// A top-level window of this process with a browser title; it records WM_CLOSE and
// goes away when it gets one.
class TestWindow {
 public:
  TestWindow(const char* title, DWORD style) {
    static const bool registered = [] {
      WNDCLASSA window_class{};
      window_class.lpfnWndProc = Procedure;
      window_class.hInstance = GetModuleHandleA(nullptr);
      window_class.lpszClassName = "UiTestPopup";
      return RegisterClassA(&window_class) != 0;
    }();
    (void)registered;
    handle_ = CreateWindowExA(0, "UiTestPopup", title, style, 10, 10, 200, 100, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
  }
  ~TestWindow() {
    if (IsWindow(handle_)) DestroyWindow(handle_);
  }
  HWND Handle() const { return handle_; }
  bool Closed() const { return !IsWindow(handle_); }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    return DefWindowProcA(window, message, wparam, lparam);
  }
  HWND handle_;
};

class MainWindowTest : public ::testing::Test {
 protected:
  void Load() {
    window.Load();
    ASSERT_NE(window.Handle(), nullptr);
  }
  // Waits until the scan has run `ticks` more times.
  bool WaitForTicks(int ticks) {
    const int target = services.desktop.passes + ticks;
    return PumpUntil([&] { return services.desktop.passes >= target; });
  }
  std::vector<std::string> MenuTexts(HMENU menu) {
    std::vector<std::string> texts;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
      char text[64] = {};
      if (GetMenuStringA(menu, i, text, sizeof(text), MF_BYPOSITION) == 0 &&
          (GetMenuState(menu, i, MF_BYPOSITION) & MF_SEPARATOR))
        texts.push_back("-");
      else
        texts.push_back(text);
    }
    return texts;
  }

  FakePorts services;
  frmMain window{services.Ports()};
};

TEST_F(MainWindowTest, LoadStepRunsInOrderAndLeavesTheWindowHiddenAndCentred) {
  RECT at_tray_add{};
  services.on_read_setting = [&] {
    GetWindowRect(window.Handle(), &at_tray_add);
    // Whatever the flags hold before, the load step sets them afterwards.
    window.State().Flags().StereotypeWindows = 0;
    window.State().Flags().NoMaxButton = 0;
  };
  RuleFlags at_command_line{};
  services.on_command_line = [&] { at_command_line = window.State().Flags(); };
  services.remove_list = {"Ad - Internet Explorer"};
  Load();

  const std::vector<std::string> expected{"tray add", "read Vantel HushWall/Settings/Sound",
                                          "command line", "load lists"};
  EXPECT_EQ(services.steps, expected);
  EXPECT_EQ(services.desktop.passes, 0) << "no scan before the load step has returned";

  const int screen_width = GetSystemMetrics(SM_CXSCREEN);
  const int screen_height = GetSystemMetrics(SM_CYSCREEN);
  const int width = at_tray_add.right - at_tray_add.left;
  const int height = at_tray_add.bottom - at_tray_add.top;
  EXPECT_EQ(at_tray_add.left, (screen_width - width) / 2) << "centred before the icon is added";
  EXPECT_EQ(at_tray_add.top, (screen_height - height) / 2);
  EXPECT_EQ(at_command_line.StereotypeWindows, 1);
  EXPECT_EQ(at_command_line.NoMaxButton, 1);
  EXPECT_EQ(at_command_line.NoMinButton, 0);
  EXPECT_EQ(at_command_line.NoTitleBar, 0);

  EXPECT_FALSE(IsWindowVisible(window.Handle()));
  char caption[64] = {};
  GetWindowTextA(window.Handle(), caption, sizeof(caption));
  EXPECT_STREQ(caption, "Vantel HushWall Free");
  RECT client;
  GetClientRect(window.Handle(), &client);
  EXPECT_EQ(client.right, TwipsToPixels(6690, ScreenDpi()));
  EXPECT_EQ(client.bottom, TwipsToPixels(4110, ScreenDpi()));
  EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(window.Handle(), WM_GETICON, ICON_SMALL, 0)),
            window.Pictures().green_img.Get());

  ASSERT_EQ(services.tray_calls.size(), 1u);
  const TrayIconData& added = services.tray_calls[0].record;
  EXPECT_EQ(added.owner, Value(window.TrayOwner()));
  EXPECT_EQ(added.icon, Value(window.Pictures().green_img.Get()));
  EXPECT_STREQ(added.tip, "HushWall");
  EXPECT_EQ(SendMessageA(window.ControlHandle("lstRemoves"), LB_GETCOUNT, 0, 0), 1);
}

int IconWidth(HICON icon) {
  ICONINFO info{};
  if (!icon || !GetIconInfo(icon, &info)) return 0;
  BITMAP colour{};
  GetObjectA(info.hbmColor, sizeof colour, &colour);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  return colour.bmWidth;
}

TEST_F(MainWindowTest, IconsAreLoadedAtTheSizesOfTheWindowsDpiAndTheTrayKeepsItsPicture) {
  Load();
  window.Disable();
  const struct {
    int dpi, big, small;
  } rows[] = {{192, 64, 32}, {120, 40, 20}, {96, 32, 16}};
  for (const auto& row : rows) {
    RECT place{};
    GetWindowRect(window.Handle(), &place);
    SendMessageA(window.Handle(), kDpiChangedMessage, MAKEWPARAM(row.dpi, row.dpi),
                 reinterpret_cast<LPARAM>(&place));
    auto icon = [&](WPARAM which) {
      return reinterpret_cast<HICON>(SendMessageA(window.Handle(), WM_GETICON, which, 0));
    };
    EXPECT_EQ(IconWidth(icon(ICON_BIG)), row.big) << row.dpi;
    EXPECT_EQ(IconWidth(icon(ICON_SMALL)), row.small) << row.dpi;
    EXPECT_EQ(window.TrayRecord().icon, Value(window.Pictures().red_img.Get())) << row.dpi;
    EXPECT_EQ(services.tray_calls.back().record.icon, window.TrayRecord().icon) << "shown at once";
    EXPECT_EQ(IconWidth(window.Pictures().red_img.Get()), row.small) << row.dpi;
    EXPECT_EQ(IconWidth(window.Pictures().imgMoon[3].Get()), row.small) << row.dpi;
  }
}

// The window is hidden and the sound option on at every real start, so the switch
// and the stored value change nothing there; shown beforehand and with the option
// off, their effects can be seen.
TEST_F(MainWindowTest, APartlyLoadedRemoveListIsReportedOnceAfterTheLoadStep) {
  services.remove_list_load.path = "C:\\HushWall\\RemList.dat";
  services.remove_list_load.read = {true, false, "Access denied"};
  Load();
  EXPECT_TRUE(services.boxes.empty()) << "not in the middle of the start";
  window.ReportLoadLater();  // the splash has gone
  ASSERT_TRUE(PumpUntil([&] { return !services.boxes.empty(); }));
  WaitForTicks(2);
  ASSERT_EQ(services.boxes.size(), 1u);
  EXPECT_EQ(services.boxes[0].title, "Vantel HushWall");
  EXPECT_EQ(services.boxes[0].type, UINT(MB_OK | MB_ICONEXCLAMATION));
  EXPECT_NE(services.boxes[0].text.find("C:\\HushWall\\RemList.dat"), std::string::npos);
  EXPECT_NE(services.boxes[0].text.find("Access denied"), std::string::npos);
}

TEST(MainWindowStart, HideSwitchHidesAndOnlyAMissingSoundValueSwitchesTheSoundOn) {
  struct Case {
    const char* arguments;
    const char* sound;
    bool hidden;
    bool sound_on;
  } cases[] = {{"/h", "0", true, false},   {"", "", false, true},     {"/H", "1", true, false},
               {"/H /X", "", false, true}, {" /H", "0", false, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("arguments [") + c.arguments + "], sound [" + c.sound + "]");
    FakePorts services;
    services.arguments = c.arguments;
    services.sound_setting = c.sound;
    frmMain window(services.Ports());
    window.State().SetPlaySound(false);
    services.on_command_line = [&] { ShowWindow(window.Handle(), SW_SHOWNA); };
    window.Load();
    EXPECT_EQ(IsWindowVisible(window.Handle()) == FALSE, c.hidden);
    EXPECT_EQ(window.State().PlaySound(), c.sound_on);
    EXPECT_EQ(SendMessageA(window.ControlHandle("chkPopsound"), BM_GETCHECK, 0, 0),
              c.sound_on ? BST_CHECKED : BST_UNCHECKED);
  }
}

TEST_F(MainWindowTest, ControlsStandWhereTheTableSaysAndHiddenOnesLieBelowTheClientArea) {
  Load();
  const int dpi = ScreenDpi();
  auto rect_in_main = [&](const char* name) {
    RECT rect;
    GetWindowRect(window.ControlHandle(name), &rect);
    MapWindowPoints(nullptr, window.Handle(), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
  };
  RECT list = rect_in_main("lstPopUps");
  EXPECT_EQ(list.left, TwipsToPixels(120, dpi) + TwipsToPixels(120, dpi));
  EXPECT_EQ(list.top, TwipsToPixels(120, dpi) + TwipsToPixels(360, dpi));
  EXPECT_EQ(list.right - list.left, TwipsToPixels(6135, dpi));
  for (const char* name : {"lstPopUps", "lstRemoves", "lstBlocked"}) {
    LONG style = GetWindowLongA(window.ControlHandle(name), GWL_STYLE);
    EXPECT_FALSE(style & (LBS_SORT | LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) << name;
  }
  RECT client;
  GetClientRect(window.Handle(), &client);
  RECT popsound = rect_in_main("chkPopsound");
  EXPECT_GE(popsound.top, client.bottom);
  EXPECT_TRUE(IsWindowVisible(window.ControlHandle("chkPopsound")) ||
              GetWindowLongA(window.ControlHandle("chkPopsound"), GWL_STYLE) & WS_VISIBLE);
  EXPECT_TRUE(GetWindowLongA(window.ControlHandle("chkPopsound"), GWL_STYLE) & WS_TABSTOP);
  char text[32] = {};
  GetWindowTextA(window.ControlHandle("chkPopsound"), text, sizeof(text));
  EXPECT_STREQ(text, "Play a sound ");
  GetWindowTextA(window.ControlHandle("Label1"), text, sizeof(text));
  EXPECT_STREQ(text, "Blocked :");
  EXPECT_FALSE(GetWindowLongA(window.TrayOwner(), GWL_STYLE) & WS_VISIBLE);
  EXPECT_GE(rect_in_main("chkSystrayMsg").top, client.bottom);

  // Frame3, the blocked pane, lies on top of the other two.
  HWND top_pane = GetWindow(window.ControlHandle("Frame1"), GW_HWNDFIRST);
  while (top_pane && GetDlgCtrlID(top_pane) != kIdFrame1 && GetDlgCtrlID(top_pane) != kIdFrame2 &&
         GetDlgCtrlID(top_pane) != kIdFrame3)
    top_pane = GetWindow(top_pane, GW_HWNDNEXT);
  EXPECT_EQ(top_pane, window.ControlHandle("Frame3"));
}

TEST_F(MainWindowTest, TabReachesThePlaySoundBoxBelowTheVisibleArea) {
  Load();
  HWND popsound = window.ControlHandle("chkPopsound");
  HWND control = GetNextDlgTabItem(window.Handle(), nullptr, FALSE);
  bool reached = false;
  for (int i = 0; i < 20 && control && !reached; ++i) {
    reached = control == popsound;
    control = GetNextDlgTabItem(window.Handle(), control, FALSE);
  }
  EXPECT_TRUE(reached);

  // Space on the focused box switches the play-sound option.
  window.ShowMainWindow();
  SetFocus(popsound);
  SendMessageA(popsound, BM_CLICK, 0, 0);
  EXPECT_FALSE(window.State().PlaySound());
  SendMessageA(popsound, BM_CLICK, 0, 0);
  EXPECT_TRUE(window.State().PlaySound());
}

TEST_F(MainWindowTest, TheDiagnosticButtonBelowTheVisibleAreaTellsTheStereotypeFlag) {
  Load();
  HWND button = window.ControlHandle("Command1");
  ASSERT_NE(button, nullptr);
  char text[32] = {};
  GetWindowTextA(button, text, sizeof(text));
  EXPECT_STREQ(text, "check streo");
  RECT client, area;
  GetClientRect(window.Handle(), &client);
  GetWindowRect(button, &area);
  MapWindowPoints(nullptr, window.Handle(), reinterpret_cast<POINT*>(&area), 2);
  EXPECT_GE(area.top, client.bottom);
  bool reached = false;
  HWND control = GetNextDlgTabItem(window.Handle(), nullptr, FALSE);
  for (int i = 0; i < 30 && control && !reached; ++i) {
    reached = control == button;
    control = GetNextDlgTabItem(window.Handle(), control, FALSE);
  }
  EXPECT_TRUE(reached) << "the keyboard reaches it";

  window.ShowMainWindow();
  for (std::int16_t value : {1, 0, 2, -1}) {
    window.State().Flags().StereotypeWindows = value;
    SendMessageA(button, BM_CLICK, 0, 0);
  }
  std::vector<std::string> texts;
  for (const FakePorts::Box& box : services.boxes) {
    EXPECT_EQ(box.title, "Vantel HushWall");
    EXPECT_EQ(box.type, UINT(MB_OK));
    texts.push_back(box.text);
  }
  EXPECT_EQ(texts, (std::vector<std::string>{"1", "0", "2", "-1"}));
}

TEST_F(MainWindowTest, CloseBoxHidesAndOtherCloseRequestsAreRefusedWithTheIconKept) {
  services.remove_list = {"Close box test - Opera"};
  Load();
  window.ShowMainWindow();
  ASSERT_TRUE(IsWindowVisible(window.Handle()));

  SendMessageA(window.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(IsWindow(window.Handle()));
  EXPECT_FALSE(IsWindowVisible(window.Handle()));
  EXPECT_EQ(services.CountOf(TrayAction::kDelete), 0);
  EXPECT_TRUE(window.TrayIconShown());

  // An end-task request, say: nothing changes, so the user can still reach it.
  services.steps.clear();
  EXPECT_EQ(SendMessageA(window.Handle(), WM_CLOSE, 0, 0), 0);
  EXPECT_TRUE(IsWindow(window.Handle()));
  EXPECT_EQ(services.CountOf(TrayAction::kDelete), 0);
  EXPECT_TRUE(window.TrayIconShown());
  EXPECT_TRUE(services.steps.empty());

  // Blocking goes on.
  TestWindow popup("Close box test - Opera", WS_OVERLAPPEDWINDOW);
  EXPECT_TRUE(PumpUntil([&] { return popup.Closed(); }));
}

TEST_F(MainWindowTest, SessionEndIsNeverRefusedAndRemovesTheIcon) {
  Load();
  EXPECT_EQ(SendMessageA(window.Handle(), WM_QUERYENDSESSION, 0, 0), TRUE);
  EXPECT_EQ(services.CountOf(TrayAction::kDelete), 0);
  services.steps.clear();
  SendMessageA(window.Handle(), WM_ENDSESSION, TRUE, 0);
  EXPECT_EQ(services.steps, (std::vector<std::string>{"tray delete", "stop sound"}));
  EXPECT_TRUE(IsWindow(window.Handle()));
}

TEST_F(MainWindowTest, RestartedShellGetsTheIconAgain) {
  Load();
  SendMessageA(window.Handle(), RegisterWindowMessageA("TaskbarCreated"), 0, 0);
  EXPECT_EQ(services.CountOf(TrayAction::kAdd), 2);
  EXPECT_STREQ(services.tray_calls.back().record.tip, "HushWall");
}

TEST_F(MainWindowTest, MenusHoldTheirEntriesAndDisableSwapsTheTrayEntries) {
  Load();
  HMENU bar = GetMenu(window.Handle());
  ASSERT_EQ(GetMenuItemCount(bar), 1);
  char title[16] = {};
  GetMenuStringA(bar, 0, title, sizeof(title), MF_BYPOSITION);
  EXPECT_STREQ(title, "File");
  EXPECT_EQ(MenuTexts(GetSubMenu(bar, 0)), (std::vector<std::string>{"Close", "Help", "About"}));

  MenuHandle tray = window.BuildPopup(window.TrayMenu(), MenuCommand::ShowWindow);
  EXPECT_EQ(MenuTexts(tray.Get()), (std::vector<std::string>{"-", "Show HushWall", "-", "Disable HushWall",
                                                             "-", "Cancel", "-", "Exit"}));
  EXPECT_EQ(GetMenuDefaultItem(tray.Get(), FALSE, 0), static_cast<UINT>(MenuCommand::ShowWindow));

  window.RunMenuCommand(MenuCommand::DisablePopup);
  tray = window.BuildPopup(window.TrayMenu(), MenuCommand::ShowWindow);
  EXPECT_EQ(MenuTexts(tray.Get()), (std::vector<std::string>{"-", "Show HushWall", "-", "Enable HushWall",
                                                             "-", "Cancel", "-", "Exit"}));
}

bool menu_seen;
HWND foreground_while_open;
RECT menu_rect;

// Runs inside the menu's own loop: notes what holds while it is open, then closes it.
void CALLBACK WhileMenuIsOpen(HWND, UINT, UINT_PTR, DWORD) {
  HWND menu = FindWindowA("#32768", nullptr);
  if (!menu || !IsWindowVisible(menu)) return;
  menu_seen = true;
  foreground_while_open = GetForegroundWindow();
  GetWindowRect(menu, &menu_rect);
  EndMenu();
}

TEST_F(MainWindowTest, TrayMouseMessagesOpenTheMenuOrShowTheWindow) {
  Load();
  // 0x0200 with the mouse message in the low word, as the shell sends it.
  SendMessageA(window.TrayOwner(), 0x0200, 1, 0x0202);
  SendMessageA(window.TrayOwner(), 0x0200, 1, 0x0204);
  EXPECT_FALSE(IsWindowVisible(window.Handle()));
  SendMessageA(window.TrayOwner(), 0x0200, 1, 0x0203);
  EXPECT_TRUE(IsWindowVisible(window.Handle()));
  ShowWindow(window.Handle(), SW_HIDE);
  // The activation the hide hands on is handled before the user's next click.
  test::DispatchWaitingMessages();

  // The menu opens right-aligned at the pointer, its top at the pointer.
  SetCursorPos(600, 300);
  POINT cursor;
  GetCursorPos(&cursor);
  for (LPARAM opening : {LPARAM{0x0201}, LPARAM{0x0205}}) {
    SCOPED_TRACE(opening);
    menu_seen = false;
    foreground_while_open = nullptr;
    UINT_PTR timer = SetTimer(nullptr, 0, 100, WhileMenuIsOpen);
    SendMessageA(window.TrayOwner(), 0x0200, 1, opening);
    KillTimer(nullptr, timer);
    EXPECT_TRUE(menu_seen);
    EXPECT_EQ(foreground_while_open, window.Handle());
    EXPECT_EQ(menu_rect.right, cursor.x);
    EXPECT_EQ(menu_rect.top, cursor.y);
    MSG posted;
    EXPECT_TRUE(PeekMessageA(&posted, window.Handle(), WM_NULL, WM_NULL, PM_REMOVE))
        << "a WM_NULL follows the closed menu";
    EXPECT_FALSE(IsWindowVisible(window.Handle())) << "dismissing the menu changes nothing";
  }
}

TEST_F(MainWindowTest, ExitAsksAndOnYesRemovesTheIconAndEnds) {
  Load();
  services.steps.clear();
  window.RunMenuCommand(MenuCommand::UnloadExit);
  EXPECT_EQ(services.steps, (std::vector<std::string>{"box Close HushWall"}));
  ASSERT_EQ(services.boxes.size(), 1u);
  EXPECT_EQ(services.boxes[0].text, "Are you sure you want to close HushWall ?");
  EXPECT_EQ(services.boxes[0].type, UINT(MB_YESNO)) << "Yes and No, no icon";
  EXPECT_TRUE(window.TrayIconShown());

  services.steps.clear();
  services.box_answer = IDYES;
  window.RunMenuCommand(MenuCommand::UnloadExit);
  EXPECT_EQ(services.steps, (std::vector<std::string>{"box Close HushWall", "tray delete", "tray delete",
                                                      "stop sound", "end process"}));
}

TEST_F(MainWindowTest, LoggedBlockAnimatesTheIconThroughEightFramesBackToGreen) {
  services.remove_list = {"Animated ad - Netscape"};
  Load();
  TestWindow popup("Animated ad - Netscape", WS_OVERLAPPEDWINDOW);
  ASSERT_TRUE(PumpUntil([&] { return popup.Closed(); }));
  ASSERT_TRUE(PumpUntil([&] { return window.AnimationRunning() == false &&
                                     services.CountOf(TrayAction::kModify) >= 8; }));
  std::vector<TrayHandle> shown;
  for (const auto& call : services.tray_calls)
    if (call.action == TrayAction::kModify) shown.push_back(call.record.icon);
  std::vector<TrayHandle> frames;
  for (const Icon& frame : window.Pictures().imgMoon)
    frames.push_back(Value(frame.Get()));
  EXPECT_EQ(shown, frames);
  EXPECT_EQ(window.TrayRecord().icon,
            Value(window.Pictures().green_img.Get()));
  EXPECT_EQ(window.State().BlockedCount(), 1);
  char count[16] = {};
  GetWindowTextA(window.ControlHandle("lblBlocked"), count, sizeof(count));
  EXPECT_STREQ(count, "1");
  EXPECT_EQ(SendMessageA(window.ControlHandle("lstBlocked"), LB_GETCOUNT, 0, 0), 1);
}

int own_ticks_for_animation;
void CALLBACK CountAnimationPeriod(HWND, UINT, UINT_PTR, DWORD) { ++own_ticks_for_animation; }

TEST_F(MainWindowTest, DisableDuringTheAnimationStopsItOnTheRedPicture) {
  services.remove_list = {"Animated ad - Opera"};
  Load();
  TestWindow popup("Animated ad - Opera", WS_OVERLAPPEDWINDOW);
  ASSERT_TRUE(PumpUntil([&] { return services.CountOf(TrayAction::kModify) >= 2; }));
  ASSERT_TRUE(window.AnimationRunning());
  window.RunMenuCommand(MenuCommand::DisablePopup);
  const std::size_t calls = services.tray_calls.size();
  const TrayHandle red = Value(window.Pictures().red_img.Get());
  EXPECT_FALSE(window.AnimationRunning());

  // What would have been the rest of the animation passes with no frame shown.
  own_ticks_for_animation = 0;
  UINT_PTR counter = SetTimer(nullptr, 0, frmMain::kAnimatePeriodMs, CountAnimationPeriod);
  ASSERT_TRUE(PumpUntil([&] { return own_ticks_for_animation >= 10; }));
  KillTimer(nullptr, counter);
  EXPECT_EQ(services.tray_calls.size(), calls);
  EXPECT_EQ(services.tray_calls.back().record.icon, red);
  EXPECT_EQ(window.TrayRecord().icon, red) << "a shell restart would add the red picture";

  window.RunMenuCommand(MenuCommand::EnablePopup);
  EXPECT_EQ(window.TrayRecord().icon, Value(window.Pictures().green_img.Get()));
}

int own_ticks;
void CALLBACK CountOwnTick(HWND, UINT, UINT_PTR, DWORD) { ++own_ticks; }

TEST_F(MainWindowTest, DisableStopsTheScanAndEnableRestartsIt) {
  services.remove_list = {"Switch test - Opera"};
  Load();
  ASSERT_TRUE(WaitForTicks(1));
  window.RunMenuCommand(MenuCommand::DisablePopup);
  EXPECT_FALSE(window.ScanRunning());
  EXPECT_EQ(services.tray_calls.back().action, TrayAction::kModify);
  EXPECT_EQ(services.tray_calls.back().record.icon,
            Value(window.Pictures().red_img.Get()));
  EXPECT_STREQ(services.tray_calls.back().record.tip, "HushWall");

  TestWindow popup("Switch test - Opera", WS_OVERLAPPEDWINDOW);
  const int passes = services.desktop.passes;
  // Three scan periods measured by a timer of our own: no scan may run meanwhile.
  own_ticks = 0;
  UINT_PTR counter = SetTimer(nullptr, 0, frmMain::kScanPeriodMs, CountOwnTick);
  ASSERT_TRUE(PumpUntil([&] { return own_ticks >= 3; }));
  KillTimer(nullptr, counter);
  EXPECT_EQ(services.desktop.passes, passes);
  EXPECT_FALSE(popup.Closed());
  EXPECT_EQ(window.State().BlockedCount(), 0);

  window.RunMenuCommand(MenuCommand::EnablePopup);
  EXPECT_TRUE(window.ScanRunning());
  EXPECT_EQ(services.tray_calls.back().record.icon,
            Value(window.Pictures().green_img.Get()));
  EXPECT_TRUE(PumpUntil([&] { return popup.Closed(); }));
}

// Records the messages that change a list box's content or selection.
class ListBoxSpy {
 public:
  explicit ListBoxSpy(HWND list_box) : list_box_(list_box) {
    SetPropA(list_box, "UiTestSpy", this);
    original_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(list_box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Procedure)));
  }
  ~ListBoxSpy() {
    SetWindowLongPtrA(list_box_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
    RemovePropA(list_box_, "UiTestSpy");
  }
  int changes = 0;
  bool redrawing = true;
  int edits_while_redrawing = 0;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    auto* self = static_cast<ListBoxSpy*>(GetPropA(window, "UiTestSpy"));
    switch (message) {
      case LB_ADDSTRING:
      case LB_INSERTSTRING:
      case LB_DELETESTRING:
      case LB_RESETCONTENT:
        if (self->redrawing) ++self->edits_while_redrawing;
        ++self->changes;
        break;
      case WM_SETREDRAW:
        self->redrawing = wparam != FALSE;
        ++self->changes;
        break;
      case LB_SETCURSEL:
      case LB_SETTOPINDEX:
        ++self->changes;
        break;
      default:
        break;
    }
    return CallWindowProcA(self->original_, window, message, wparam, lparam);
  }
  HWND list_box_;
  WNDPROC original_;
};

void UserSelects(frmMain& window, const char* list_name, int index) {
  HWND list = window.ControlHandle(list_name);
  SendMessageA(list, LB_SETCURSEL, index, 0);
  SendMessageA(GetParent(list), WM_COMMAND,
               MAKEWPARAM(GetDlgCtrlID(list), LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

TEST_F(MainWindowTest, TicksThatLeaveAListUnchangedDoNotTouchItsListBox) {
  for (int i = 0; i < 40; ++i) services.remove_list.push_back("Entry " + std::to_string(i));
  Load();
  TestWindow seen_one("Seen one - Opera", WS_OVERLAPPEDWINDOW);
  TestWindow seen_two("Seen two - Opera", WS_OVERLAPPEDWINDOW);
  ASSERT_TRUE(PumpUntil([&] { return window.State().SeenList().Count() == 2; }));
  ASSERT_TRUE(WaitForTicks(1));

  HWND removes = window.ControlHandle("lstRemoves");
  HWND popups = window.ControlHandle("lstPopUps");
  UserSelects(window, "lstRemoves", 30);
  SendMessageA(removes, LB_SETTOPINDEX, 25, 0);
  EXPECT_TRUE(window.State().RemoveList().IsSelected(30));
  const LRESULT top = SendMessageA(removes, LB_GETTOPINDEX, 0, 0);

  ListBoxSpy removes_spy(removes);
  ListBoxSpy popups_spy(popups);
  // Every tick drops the unselected seen titles and finds them again.
  ASSERT_TRUE(WaitForTicks(5));
  EXPECT_EQ(removes_spy.changes, 0);
  EXPECT_EQ(popups_spy.changes, 0);
  EXPECT_EQ(SendMessageA(removes, LB_GETCURSEL, 0, 0), 30);
  EXPECT_EQ(SendMessageA(removes, LB_GETTOPINDEX, 0, 0), top);
  EXPECT_EQ(SendMessageA(popups, LB_GETCOUNT, 0, 0), 2);

  // A real change shows at once, as one insertion.
  window.State().RemoveList().Append("Entry 40");
  window.SyncViews();
  EXPECT_EQ(removes_spy.changes, 1);
  EXPECT_EQ(SendMessageA(removes, LB_GETCOUNT, 0, 0), 41);
  EXPECT_EQ(SendMessageA(removes, LB_GETCURSEL, 0, 0), 30);
}

// Under Wine a shown list box takes about 2 ms to redraw after each edit, so a
// full log cleared edit by edit held the program for over a minute.
TEST_F(MainWindowTest, ALongChangeToAShownListIsDrawnOnceWhenItIsMade) {
  Load();
  window.ShowMainWindow();
  HWND blocked = window.ControlHandle("lstBlocked");
  ASSERT_TRUE(IsWindowVisible(blocked));
  ASSERT_TRUE(PumpUntil([&] { return !GetUpdateRect(blocked, nullptr, FALSE); }, 5000));
  ListBoxSpy spy(blocked);

  for (int i = 0; i < 2000; ++i) window.State().AppendLogLine("line " + std::to_string(i));
  window.SyncViews();
  EXPECT_EQ(SendMessageA(blocked, LB_GETCOUNT, 0, 0), 2000);
  EXPECT_EQ(spy.edits_while_redrawing, 0);
  EXPECT_TRUE(spy.redrawing);
  EXPECT_TRUE(GetUpdateRect(blocked, nullptr, FALSE)) << "the new content is drawn";

  ASSERT_TRUE(PumpUntil([&] { return !GetUpdateRect(blocked, nullptr, FALSE); }, 5000));
  window.State().BlockedLog().Clear();
  window.SyncViews();
  EXPECT_EQ(SendMessageA(blocked, LB_GETCOUNT, 0, 0), 0);
  EXPECT_EQ(spy.edits_while_redrawing, 0);
  EXPECT_TRUE(spy.redrawing);
  EXPECT_TRUE(GetUpdateRect(blocked, nullptr, FALSE));
}

TEST_F(MainWindowTest, SelectedSeenTitleStaysAfterItsWindowIsGone) {
  Load();
  auto seen = std::make_unique<TestWindow>("Kept - Internet Explorer", WS_OVERLAPPEDWINDOW);
  ASSERT_TRUE(PumpUntil([&] { return window.State().SeenList().Count() == 1; }));
  UserSelects(window, "lstPopUps", 0);
  EXPECT_TRUE(window.State().SeenList().IsSelected(0));
  seen.reset();
  ASSERT_TRUE(WaitForTicks(2));
  ASSERT_EQ(window.State().SeenList().Count(), 1);
  EXPECT_EQ(SendMessageA(window.ControlHandle("lstPopUps"), LB_GETCOUNT, 0, 0), 1);

  // Clearing the selection lets the next tick drop it, and the list box follows.
  UserSelects(window, "lstPopUps", -1);
  EXPECT_FALSE(window.State().SeenList().IsSelected(0));
  ASSERT_TRUE(PumpUntil([&] { return window.State().SeenList().Count() == 0; }));
  EXPECT_EQ(SendMessageA(window.ControlHandle("lstPopUps"), LB_GETCOUNT, 0, 0), 0);
}

std::string WindowText(HWND window) {
  char text[64] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

MyButtonWindow& ButtonOf(HWND window) {
  auto* button = dynamic_cast<MyButtonWindow*>(CustomControlOf(window));
  EXPECT_NE(button, nullptr);
  return *button;
}

// A click as the user makes it: the left button down and up over the button.
void ClickButton(HWND button) {
  SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
}

TEST_F(MainWindowTest, SkinnedButtonsStandInTheirPanesWithTheirCaptionsFontsAndVisibility) {
  Load();
  struct Case {
    const char* name;
    const char* pane;  // nullptr: the window itself
    const char* caption;
    bool visible;
    bool bold;
  } cases[] = {
      {"cmdBrowserlist3", "Frame2", "Browser list", true, true},
      {"cmdRemovelist3", "Frame2", "Remove list", false, false},
      {"cmdBlocklist3", "Frame2", "Blocked list", false, false},
      {"cmdAdd", "Frame2", "Add", false, false},
      {"cmdAddAll", "Frame2", "Add all", false, false},
      {"cmdCloseAll", "Frame2", "Close all", false, false},
      {"cmdBrowserlist", "Frame1", "Browser list", true, false},
      {"cmdRemovelist", "Frame1", "Remove list", true, true},
      {"cmdBlocklist", "Frame1", "Blocked list", true, false},
      {"cmdRemove", "Frame1", "Remove selected", true, false},
      {"cmdRemoveAll", "Frame1", "Remove all", true, false},
      {"cmdBrowserlist2", "Frame3", "Browser list", true, false},
      {"cmdRemovelist2", "Frame3", "Remove list", true, false},
      {"cmdBlocklist2", "Frame3", "Blocked list", true, true},
      {"cmdClearScreen", "Frame3", "Clear screen", true, false},
      {"cmdSaveBlocked", "Frame3", "Save log", true, false},
      {"cmdEraseLog", "Frame3", "Erase log", true, false},
      {"cmdUnlExit", nullptr, "Close", true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HWND button = window.ControlHandle(c.name);
    ASSERT_NE(button, nullptr);
    char class_name[32] = {};
    GetClassNameA(button, class_name, sizeof class_name);
    EXPECT_STREQ(class_name, "MyButton");
    EXPECT_EQ(GetParent(button), c.pane ? window.ControlHandle(c.pane) : window.Handle());
    EXPECT_EQ(WindowText(button), c.caption);
    EXPECT_EQ((GetWindowLongA(button, GWL_STYLE) & WS_VISIBLE) != 0, c.visible);
    const MyButton& core = ButtonOf(button).Core();
    EXPECT_EQ(core.Font().bold, c.bold);
    EXPECT_EQ(core.Font().name, "MS Sans Serif");
    EXPECT_EQ(core.SkinPictureName(), "MyButtonDefSkin");
  }
  // The default skin lies below the visible area.
  HWND skin = window.ControlHandle("MyButtonDefSkin");
  ASSERT_NE(skin, nullptr);
  RECT client, place;
  GetClientRect(window.Handle(), &client);
  GetWindowRect(skin, &place);
  MapWindowPoints(nullptr, window.Handle(), reinterpret_cast<POINT*>(&place), 2);
  EXPECT_GE(place.top, client.bottom);
}

// Each button's set is read from the layout resource; written back and read into a
// new button, it gives the same set again.
TEST_F(MainWindowTest, EachButtonsSavedSetRoundTripsThroughTheLayout) {
  Load();
  const Layout layout = ParseLayout(ResourceText(kMainLayoutResource));
  ASSERT_EQ(layout.Sections().size(), 18u);
  for (const auto& [name, section] : layout.Sections()) {
    SCOPED_TRACE(name);
    HWND handle = window.ControlHandle(name);
    ASSERT_NE(handle, nullptr);
    const MyButton& core = ButtonOf(handle).Core();
    EXPECT_EQ(core.Text(), section.ReadText("Text", ""));
    EXPECT_EQ(core.Font(), section.ReadFont("Font", {}));

    PropertyBag written;
    core.WriteProperties(written);
    MyButtonWindow copy(window.Host(), name + "Copy");
    ASSERT_TRUE(copy.Create(0, 0, 80, 20, 0, &written, false));
    PropertyBag rewritten;
    copy.Core().WriteProperties(rewritten);
    Layout first, second;
    first.Section(name) = written;
    second.Section(name) = rewritten;
    EXPECT_EQ(FormatLayout(first), FormatLayout(second));
  }
}

TEST_F(MainWindowTest, PaneButtonsShowTheirPaneAndMoveTheFocusToClose) {
  Load();
  window.ShowMainWindow();
  struct Case {
    const char* button;
    const char* pane_shown;  // nullptr: the panes stay as they are
  } cases[] = {
      {"cmdBrowserlist2", "Frame2"}, {"cmdRemovelist3", "Frame1"}, {"cmdBlocklist", "Frame3"},
      {"cmdBlocklist2", nullptr},    {"cmdRemovelist2", "Frame1"}, {"cmdRemovelist", nullptr},
      {"cmdBrowserlist", "Frame2"},  {"cmdBrowserlist3", nullptr}, {"cmdBlocklist3", "Frame3"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button);
    const bool before[] = {IsWindowVisible(window.ControlHandle("Frame1")) != FALSE,
                           IsWindowVisible(window.ControlHandle("Frame2")) != FALSE,
                           IsWindowVisible(window.ControlHandle("Frame3")) != FALSE};
    SetFocus(window.ControlHandle("lstBlocked"));
    ClickButton(window.ControlHandle(c.button));
    int index = 0;
    for (const char* pane : {"Frame1", "Frame2", "Frame3"}) {
      const bool expected = c.pane_shown ? std::string(pane) == c.pane_shown : before[index];
      EXPECT_EQ(IsWindowVisible(window.ControlHandle(pane)) != FALSE, expected) << pane;
      ++index;
    }
    EXPECT_EQ(GetFocus(), window.ControlHandle("cmdUnlExit"));
  }
}

// Blocking is off, so no tick comes: the lists must show the result at once.
TEST_F(MainWindowTest, CommandsShowTheirResultAtOnceAndSave) {
  services.remove_list = {"first", "second"};
  Load();
  window.ShowMainWindow();
  window.RunMenuCommand(MenuCommand::DisablePopup);
  HWND removes = window.ControlHandle("lstRemoves");
  SendMessageA(removes, LB_SETCURSEL, 1, 0);
  SendMessageA(GetParent(removes), WM_COMMAND, MAKEWPARAM(kIdRemoves, LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(removes));
  services.steps.clear();
  ClickButton(window.ControlHandle("cmdRemove"));
  EXPECT_EQ(services.steps, std::vector<std::string>{"save removes"});
  ASSERT_EQ(SendMessageA(removes, LB_GETCOUNT, 0, 0), 1);

  // Erase log: no question, an empty list shown and saved.
  window.State().BlockedLog().Append("1/2/2024 3:04:05 PM Ad - Opera");
  window.SyncViews();
  services.steps.clear();
  ClickButton(window.ControlHandle("cmdEraseLog"));
  EXPECT_EQ(services.steps, std::vector<std::string>{"save log"});
  EXPECT_EQ(SendMessageA(window.ControlHandle("lstBlocked"), LB_GETCOUNT, 0, 0), 0);

  // Close hides the window.
  ClickButton(window.ControlHandle("cmdUnlExit"));
  EXPECT_FALSE(IsWindowVisible(window.Handle()));
}

// Both hidden "Setting" entries, reached by their command ids, open the one settings
// dialog, owned by the main window.
TEST_F(MainWindowTest, BothSettingEntriesOpenTheOneSettingsDialog) {
  Load();
  window.RunMenuCommand(MenuCommand::Setting);
  frmSetting* first = window.Settings().Settings();
  ASSERT_NE(first, nullptr);
  SendMessageA(window.Handle(), WM_COMMAND, static_cast<WPARAM>(MenuCommand::Setting2), 0);
  EXPECT_EQ(window.Settings().Settings(), first);
  EXPECT_EQ(WindowText(first->Handle()), "Setting");
  EXPECT_EQ(GetWindow(first->Handle(), GW_OWNER), window.Handle());
  EXPECT_EQ(window.State().Flags().StereotypeWindows, 1);
}

TEST_F(MainWindowTest, HelpAndAboutOpenOneWindowEachOwnedByTheMainWindow) {
  Load();
  for (MenuCommand command : {MenuCommand::Help, MenuCommand::About}) {
    SendMessageA(window.Handle(), WM_COMMAND, static_cast<WPARAM>(command), 0);
    SendMessageA(window.Handle(), WM_COMMAND, static_cast<WPARAM>(command), 0);
  }
  ASSERT_NE(window.Help(), nullptr);
  ASSERT_NE(window.About(), nullptr);
  EXPECT_EQ(WindowText(window.Help()->Handle()), "Quick Help");
  EXPECT_EQ(GetWindow(window.Help()->Handle(), GW_OWNER), window.Handle());
  EXPECT_EQ(GetWindow(window.About()->Handle(), GW_OWNER), window.Handle());
  int about_windows = 0;
  for (HWND top = GetTopWindow(nullptr); top; top = GetWindow(top, GW_HWNDNEXT))
    about_windows += WindowText(top) == WindowText(window.About()->Handle());
  EXPECT_EQ(about_windows, 1);
}

TEST_F(MainWindowTest, KeyboardFocusOverThePanesAndSpacePressesTheFocusedButtons) {
  // Tab and Shift+Tab go round only what is drawn: nothing of a pane behind the front one.
  const auto expect_tab_round_only_in = [&](const std::string& front) {
    for (BOOL backwards : {FALSE, TRUE}) {
      HWND control = GetNextDlgTabItem(window.Handle(), nullptr, backwards);
      for (int step = 0; step < 40 && control; ++step) {
        for (const char* pane : {"Frame1", "Frame2", "Frame3"})
          EXPECT_TRUE(pane == front || !IsChild(window.ControlHandle(pane), control)) << front << ", step " << step;
        control = GetNextDlgTabItem(window.Handle(), control, backwards);
      }
    }
  };
  Load();
  window.ShowMainWindow();
  expect_tab_round_only_in("Frame3");
  test::ExpectKeyboardFocus(window.Handle(), window.ControlHandle("cmdBrowserlist2"),
                            window.ControlHandle("cmdRemovelist2"));
  test::PressKey(VK_SPACE);  // on "Remove list": its pane comes forward, the focus goes to Close
  ASSERT_EQ(GetFocus(), window.ControlHandle("cmdUnlExit"));
  expect_tab_round_only_in("Frame1");
  test::PressKey(VK_SPACE);
  EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(window.Handle()); }));
}

}  // namespace
}  // namespace hushwall
