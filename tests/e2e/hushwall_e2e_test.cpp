// hushwall.exe driven from outside under Wine: start with splash, hidden main
// window, blocking of popup-sim's windows, single instance, session end and close
// requests that are not the close box.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "tests/e2e/support/outside_win32.h"
#include "ui/main/main_window_layout.h"
#include "ui/main/tray_icon.h"
#include "ui/main/tray_menu.h"

namespace {

using namespace hushwall::outside;
using Process = ChildProcess;

int MainWindowCount() {
  int count = 0;
  for (const WindowInfo& window : TopLevelWindowsOf(0)) count += window.class_name == "HushWallMain";
  return count;
}

bool SplashShown(DWORD process) {
  for (const WindowInfo& window : TopLevelWindowsOf(process))
    if (window.visible && window.rect.right - window.rect.left == 400 &&
        window.rect.bottom - window.rect.top == 302)
      return true;
  return false;
}

// WM_CLOSE counts per title from popup-sim's record file.
std::map<std::string, int> CloseCounts(const std::string& record_file,
                                       const std::map<std::string, std::string>& titles_by_handle) {
  std::map<std::string, int> counts;
  std::istringstream lines(ReadFile(record_file));
  std::string word, handle, rest;
  while (lines >> word >> handle && std::getline(lines, rest)) {
    auto title = titles_by_handle.find(handle);
    if (word == "WM_CLOSE" && title != titles_by_handle.end()) ++counts[title->second];
  }
  return counts;
}

class HushWallEndToEnd : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    folder_ = std::string(temp) + "hushwall-e2e-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder_.c_str(), nullptr);
    CopyFileA((HereDirectory() + "\\hushwall.exe").c_str(), (folder_ + "\\hushwall.exe").c_str(),
              FALSE);
    std::ofstream(folder_ + "\\RemList.dat", std::ios::binary)
        << kListed << "\r\n" << "Second entry\r\n" << "Third entry\r\n";
  }

  static void TearDownTestSuite() {
    hushwall_.reset();
    for (const char* name : {"hushwall.exe", "RemList.dat", "Blocked.log", "ready.txt", "closes.txt"})
      DeleteFileA((folder_ + "\\" + name).c_str());
    RemoveDirectoryA(folder_.c_str());
  }

  // One running HushWall for the suite: each start costs the splash's pause.
  static Process& HushWall() {
    if (!hushwall_) {
      hushwall_ = std::make_unique<Process>("\"" + folder_ + "\\hushwall.exe\"", folder_);
      splash_seen_ = WaitFor([] { return SplashShown(hushwall_->Id()); }, 60000);
      WaitFor([] { return MainWindowOf(hushwall_->Id()) != nullptr; }, 30000);
    }
    return *hushwall_;
  }

  // Starts popup-sim with the given windows and waits until they all exist.
  struct Popups {
    std::unique_ptr<Process> process;
    std::map<std::string, std::string> titles_by_handle;
    std::string record_file;
  };
  static Popups StartPopups(const std::string& window_options) {
    Popups popups;
    popups.record_file = folder_ + "\\closes.txt";
    const std::string ready = folder_ + "\\ready.txt";
    DeleteFileA(popups.record_file.c_str());
    DeleteFileA(ready.c_str());
    popups.process = std::make_unique<Process>(
        "\"" + HereDirectory() + "\\popup-sim.exe\" --quiet --exit-after 60000 --record \"" +
            popups.record_file + "\" --ready \"" + ready + "\" " + window_options,
        folder_);
    if (WaitFor([&] { return FileExists(ready); }, 60000)) {
      std::istringstream lines(ReadFile(ready));
      std::string handle, title;
      while (lines >> handle && std::getline(lines, title)) {
        title.erase(0, title.find_first_not_of(' '));
        if (!title.empty() && title.back() == '\r') title.pop_back();
        popups.titles_by_handle[handle] = title;
      }
    }
    return popups;
  }

  static constexpr const char* kListed = "Listed ad - Internet Explorer";
  static inline std::string folder_;
  static inline std::unique_ptr<Process> hushwall_;
  static inline bool splash_seen_ = false;
};

// Windows reads these from the program's own manifest: without them it stretches every
// window as a bitmap at 125 % and more, or runs it as for an older Windows.
TEST(HushWallManifest, DeclaresPerMonitorDpiAwarenessEveryWindowsFromVistaAndNoElevation) {
  HMODULE program = LoadLibraryExA((HereDirectory() + "\\hushwall.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(program, nullptr);
  HRSRC found = FindResourceA(program, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));  // RT_MANIFEST
  ASSERT_NE(found, nullptr);
  const std::string manifest(static_cast<const char*>(LockResource(LoadResource(program, found))),
                             SizeofResource(program, found));
  FreeLibrary(program);
  for (const char* declared :
       {">true/pm</dpiAware>", ">PerMonitorV2, PerMonitor</dpiAwareness>", "level=\"asInvoker\"",
        "{e2011457-1546-43c5-a5fe-008deee3d3f0}", "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",
        "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}", "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",
        "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"})
    EXPECT_NE(manifest.find(declared), std::string::npos) << declared;
}

TEST_F(HushWallEndToEnd, StartsWithTheSplashThenLivesHiddenWithItsCaption) {
  Process& hushwall = HushWall();
  ASSERT_TRUE(hushwall.Started());
  EXPECT_TRUE(splash_seen_);
  HWND main_window = MainWindowOf(hushwall.Id());
  ASSERT_NE(main_window, nullptr);
  char caption[64] = {};
  GetWindowTextA(main_window, caption, sizeof(caption));
  EXPECT_STREQ(caption, "Vantel HushWall Free");
  EXPECT_FALSE(IsWindowVisible(main_window));
  EXPECT_TRUE(WaitFor([&] { return !SplashShown(hushwall.Id()); }, 10000));
  EXPECT_EQ(ListBoxTexts(ChildWithId(main_window, hushwall::kIdRemoves)),
            (std::vector<std::string>{kListed, "Second entry", "Third entry"}));
}

TEST_F(HushWallEndToEnd, BlocksListedAndBoxlessBrowserWindowsOfAnotherProcess) {
  Process& hushwall = HushWall();
  HWND main_window = MainWindowOf(hushwall.Id());
  ASSERT_NE(main_window, nullptr);
  Popups popups = StartPopups(std::string("--window \"") + kListed +
                              "\" --window \"Boxless - Opera\" --style 80C00000 --ignore-close"
                              " --window \"Plain page - Opera\""
                              " --window \"Notes - Editor\" --style 80C00000");
  ASSERT_EQ(popups.titles_by_handle.size(), 4u);
  auto closes = [&] { return CloseCounts(popups.record_file, popups.titles_by_handle); };

  // The boxless window is closed once per non-matching entry per tick (three), so
  // its count is the program's own clock: the listed window goes within five ticks.
  ASSERT_TRUE(WaitFor([&] { return closes()["Boxless - Opera"] >= 3; }, 10000));
  EXPECT_TRUE(WaitFor([&] { return closes()[kListed] >= 1; }, 1000));
  EXPECT_LE(closes()["Boxless - Opera"], 5 * 3 + 3);
  // It ignores the request, so every later tick closes it again.
  EXPECT_TRUE(WaitFor([&] { return closes()["Boxless - Opera"] >= 9; }, 10000));

  // The seen list shows what the scan found, read from outside.
  HWND popups_list = ChildWithId(main_window, hushwall::kIdPopUps);
  EXPECT_TRUE(WaitFor([&] {
    auto seen = ListBoxTexts(popups_list);
    return std::find(seen.begin(), seen.end(), "Plain page - Opera") != seen.end();
  }, 5000));

  // Stop the scan between two ticks, as the tray menu's Disable does; then a close
  // request of our own queues behind every one HushWall posted.
  SendMessageA(main_window, WM_COMMAND, static_cast<WPARAM>(hushwall::MenuCommand::DisablePopup), 0);
  const int boxless = closes()["Boxless - Opera"];
  for (const auto& [handle, title] : popups.titles_by_handle)
    if (title == "Notes - Editor")
      PostMessageA(reinterpret_cast<HWND>(std::stoull(handle, nullptr, 16)), WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitFor([&] { return closes()["Notes - Editor"] == 1; }, 5000));
  auto final_counts = closes();
  EXPECT_EQ(final_counts["Boxless - Opera"] % 3, 0) << final_counts["Boxless - Opera"];
  EXPECT_GE(final_counts["Boxless - Opera"], boxless);
  EXPECT_EQ(final_counts["Plain page - Opera"], 0) << "every box and an unlisted title";
  EXPECT_GE(final_counts[kListed], 1);
  EXPECT_FALSE(FileExists(folder_ + "\\Blocked.log")) << "the log is written only by Save log";

  // A listed window stays until its program gets round to destroying it, and is
  // blocked and logged again at every tick it is still there; each close of the
  // boxless one is silent.
  std::vector<std::string> log = ListBoxTexts(ChildWithId(main_window, hushwall::kIdBlocked));
  ASSERT_GE(log.size(), 1u);
  for (const std::string& line : log) EXPECT_TRUE(line.ends_with(std::string(" ") + kListed)) << line;
  char count[16] = {};
  GetWindowTextA(ChildWithId(main_window, hushwall::kIdBlockedCount), count, sizeof(count));
  EXPECT_EQ(std::stoul(count), final_counts["Boxless - Opera"] + log.size());
  SendMessageA(main_window, WM_COMMAND, static_cast<WPARAM>(hushwall::MenuCommand::EnablePopup), 0);
}

TEST_F(HushWallEndToEnd, NeverRefusesTheSessionEnd) {
  HWND main_window = MainWindowOf(HushWall().Id());
  ASSERT_NE(main_window, nullptr);
  DWORD_PTR answer = 0;
  ASSERT_TRUE(SendMessageTimeoutA(main_window, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF,
                                  SMTO_ABORTIFHUNG, 5000, &answer));
  EXPECT_EQ(answer, 1u);
}

TEST_F(HushWallEndToEnd, ACloseRequestThatIsNotTheCloseBoxLeavesItBlocking) {
  Process& hushwall = HushWall();
  HWND main_window = MainWindowOf(hushwall.Id());
  ASSERT_NE(main_window, nullptr);
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(main_window, WM_CLOSE, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
  EXPECT_TRUE(hushwall.Running());
  EXPECT_TRUE(IsWindow(main_window));

  Popups popups = StartPopups(std::string("--window \"") + kListed + "\"");
  ASSERT_EQ(popups.titles_by_handle.size(), 1u);
  EXPECT_TRUE(WaitFor([&] { return CloseCounts(popups.record_file, popups.titles_by_handle)[kListed] >= 1; },
                      5000));
  EXPECT_TRUE(hushwall.Running());
}

TEST_F(HushWallEndToEnd, ASecondStartLeavesOneInstanceAndShowsItsWindow) {
  Process& hushwall = HushWall();
  HWND main_window = MainWindowOf(hushwall.Id());
  ASSERT_NE(main_window, nullptr);
  ASSERT_FALSE(IsWindowVisible(main_window));

  Process second("\"" + folder_ + "\\hushwall.exe\"", folder_);
  ASSERT_TRUE(second.Started());
  ASSERT_TRUE(second.WaitForExit(30000));
  EXPECT_EQ(second.ExitCode(), 0u);
  EXPECT_TRUE(hushwall.Running());
  EXPECT_EQ(MainWindowCount(), 1);
  EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(main_window) != FALSE; }, 5000));
}

// A message box of the program, found from outside by its title.
HWND FindMessageBox(DWORD process, const char* title) {
  for (const WindowInfo& window : TopLevelWindowsOf(process))
    if (window.class_name == "#32770" && window.caption == title && window.visible) return window.handle;
  return nullptr;
}

std::string StaticTextOf(HWND dialog) {
  HWND text = GetDlgItem(dialog, 0xFFFF);  // the message box's text
  char buffer[256] = {};
  if (text) GetWindowTextA(text, buffer, sizeof buffer);
  return buffer;
}

// What a user does from the main window: a seen popup added to the remove list is
// closed at the next tick and saved; "Remove all", answered Yes in its box, empties
// the file.
TEST_F(HushWallEndToEnd, CommandsFromOutsideAddAPopupAndRemoveAllWithTheirBoxAnswered) {
  Process& hushwall = HushWall();
  HWND main_window = MainWindowOf(hushwall.Id());
  ASSERT_NE(main_window, nullptr);
  const std::string title = "New offer - Opera";
  Popups popups = StartPopups("--window \"" + title + "\"");
  ASSERT_EQ(popups.titles_by_handle.size(), 1u);

  HWND seen = ChildWithId(main_window, hushwall::kIdPopUps);
  int index = -1;
  ASSERT_TRUE(WaitFor([&] {
    const std::vector<std::string> texts = ListBoxTexts(seen);
    const auto found = std::find(texts.begin(), texts.end(), title);
    index = found == texts.end() ? -1 : int(found - texts.begin());
    return index >= 0;
  }, 5000));
  SendMessageA(seen, LB_SETCURSEL, index, 0);
  SendMessageA(GetParent(seen), WM_COMMAND, MAKEWPARAM(hushwall::kIdPopUps, LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(seen));
  PostMessageA(main_window, WM_COMMAND, MAKEWPARAM(hushwall::kIdAdd, BN_CLICKED),
               reinterpret_cast<LPARAM>(ChildWithId(main_window, hushwall::kIdAdd)));
  EXPECT_TRUE(WaitFor([&] { return CloseCounts(popups.record_file, popups.titles_by_handle)[title] >= 1; },
                      5000));
  EXPECT_TRUE(WaitFor([&] { return ReadFile(folder_ + "\\RemList.dat").ends_with(title + "\r\n"); }, 5000));

  PostMessageA(main_window, WM_COMMAND, MAKEWPARAM(hushwall::kIdRemoveAll, BN_CLICKED),
               reinterpret_cast<LPARAM>(ChildWithId(main_window, hushwall::kIdRemoveAll)));
  HWND box = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (box = FindMessageBox(hushwall.Id(), "Close HushWall")) != nullptr; }, 5000));
  EXPECT_EQ(StaticTextOf(box), "Are you sure you want to remove all from list ?");
  SendMessageA(box, WM_COMMAND, IDYES, 0);
  EXPECT_TRUE(WaitFor([&] { return FileExists(folder_ + "\\RemList.dat") && ReadFile(folder_ + "\\RemList.dat").empty(); },
                      5000));
  EXPECT_TRUE(ListBoxTexts(ChildWithId(main_window, hushwall::kIdRemoves)).empty());
}

struct TextSearch {
  const char* text;
  HWND found;
};

BOOL CALLBACK MatchText(HWND child, LPARAM context) {
  auto* search = reinterpret_cast<TextSearch*>(context);
  char caption[64] = {};
  GetWindowTextA(child, caption, sizeof caption);
  if (std::string(caption) != search->text) return TRUE;
  search->found = child;
  return FALSE;
}

HWND ChildWithText(HWND parent, const char* text) {
  TextSearch search{text, nullptr};
  EnumChildWindows(parent, MatchText, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// The hidden "Setting" entry, run by its documented command id from another program;
// its OK writes the eight settings to the real registry.
TEST_F(HushWallEndToEnd, TheSettingsDialogOpensByItsCommandIdAndItsOkStoresTheSettings) {
  Process& hushwall = HushWall();
  HWND main_window = MainWindowOf(hushwall.Id());
  ASSERT_NE(main_window, nullptr);
  RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Vantel Hushwall\\Settings");
  PostMessageA(main_window, WM_COMMAND, 201, 0);
  HWND dialog = nullptr;
  ASSERT_TRUE(WaitFor([&] {
    for (const WindowInfo& window : TopLevelWindowsOf(hushwall.Id()))
      if (window.caption == "Setting" && window.visible) dialog = window.handle;
    return dialog != nullptr;
  }, 10000));
  HWND ok = ChildWithText(dialog, "OK");
  ASSERT_NE(ok, nullptr);
  PostMessageA(ok, BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(dialog); }, 10000)) << "OK closes the dialog";

  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Vantel Hushwall\\Settings", 0, KEY_READ, &key),
            ERROR_SUCCESS);
  DWORD values = 0;
  RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr, nullptr,
                   nullptr, nullptr);
  EXPECT_EQ(values, 8u);
  char sound[8] = {};
  DWORD size = sizeof sound, type = 0;
  EXPECT_EQ(RegQueryValueExA(key, "Sound", nullptr, &type, reinterpret_cast<BYTE*>(sound), &size), ERROR_SUCCESS);
  EXPECT_EQ(type, DWORD(REG_SZ));
  EXPECT_STREQ(sound, "1");
  RegCloseKey(key);
  RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Vantel Hushwall\\Settings");
}

// Real keys after the tray menu, a question, or round a fresh main window reach only what the user
// sees: the files and the pane in front stay. What a key must not do has no end to wait for.
TEST_F(HushWallEndToEnd, KeysReachOnlyWhatTheUserSees) {
  enum : int { kShow = 200, kHide = 100, kExit = 205, kMenu = -1, kToEraseLog = -2, kShiftTab = 0x100 | VK_TAB };
  HWND main = MainWindowOf(HushWall().Id());
  GUITHREADINFO info{sizeof info};
  auto focus = [&] { return GetGUIThreadInfo(GetWindowThreadProcessId(main, nullptr), &info) ? info.hwndFocus : nullptr; };
  auto press = [](int key) {  // Shift held for a key above 0xFF
    for (DWORD up : {0ul, DWORD(KEYEVENTF_KEYUP)}) keybd_event(VK_SHIFT, 0, key > 0xFF ? up : 2, 0), keybd_event(BYTE(key), 0, up, 0);
    Sleep(200);
  };
  WriteFile(folder_ + "\\Blocked.log", "1/2/2024 3:04:05 PM Ad - Opera\r\n");  // only Erase log would empty it
  for (const std::vector<int>& steps : {std::vector<int>{kShow, kShiftTab, kShiftTab, kShiftTab, kShiftTab, kHide, VK_RETURN},
                                        {kShow, kToEraseLog, kHide, kMenu, VK_ESCAPE, VK_RETURN},
                                        {kMenu, VK_ESCAPE, kExit, 'N', VK_RETURN}}) {
    const std::string removes = ReadFile(folder_ + "\\RemList.dat"), log = ReadFile(folder_ + "\\Blocked.log");
    for (int step : steps) {
      SCOPED_TRACE(step);
      if (step >= kHide && step <= kExit) PostMessageA(main, WM_COMMAND, step, 0);
      if (step == kMenu) PostMessageA(ChildWithId(main, hushwall::kIdSystrayMsg), hushwall::kTrayCallbackMessage, 0, WM_RBUTTONUP);
      EXPECT_TRUE(WaitFor([&] {
        if (step == kShow || step == kHide) return bool(IsWindowVisible(main)) == (step == kShow);
        if (step == kExit) return FindMessageBox(HushWall().Id(), "Close HushWall") != nullptr;
        const auto windows = TopLevelWindowsOf(HushWall().Id());  // the tray menu among them
        return step != kMenu || std::any_of(windows.begin(), windows.end(), [](auto& w) { return w.visible && w.class_name == "#32768"; });
      }, 5000));
      for (int tab = 0; step == kToEraseLog && tab < 20 && focus() != ChildWithId(main, hushwall::kIdEraseLog); ++tab) press(VK_TAB);
      if (step == kToEraseLog) {
        ASSERT_EQ(focus(), ChildWithId(main, hushwall::kIdEraseLog)) << "real keys arrive";
      }
      if ((step > 0 && step < kHide) || step == kShiftTab) press(step);
      for (int pane : {hushwall::kIdFrame1, hushwall::kIdFrame2}) EXPECT_FALSE(IsChild(ChildWithId(main, pane), focus()));
    }
    EXPECT_EQ(ReadFile(folder_ + "\\RemList.dat"), removes);
    EXPECT_EQ(ReadFile(folder_ + "\\Blocked.log"), log);
    EXPECT_TRUE(GetWindowLongA(ChildWithId(main, hushwall::kIdFrame3), GWL_STYLE) & WS_VISIBLE) << "still in front";
    EXPECT_TRUE(HushWall().Running());
  }
}

class HushWallLongList : public HushWallEndToEnd {
 protected:
  static void SetUpTestSuite() {
    HushWallEndToEnd::SetUpTestSuite();
    std::ofstream list(folder_ + "\\RemList.dat", std::ios::binary);
    list << kListed << "\r\n";
    for (int index = 0; index < 2000; ++index) list << "Filler title " << index << "\r\n";
  }
};

// A listed window that closes on its first request while the rule pass still has
// 2,000 entries to go. Each tick that still found it counts one logged block; none
// of the entries after its title may count a silent one.
TEST_F(HushWallLongList, AWindowThatClosesDuringThePassCountsNoSilentBlock) {
  HWND main_window = MainWindowOf(HushWall().Id());
  ASSERT_NE(main_window, nullptr);
  Popups popups = StartPopups(std::string("--window \"") + kListed + "\"");
  ASSERT_EQ(popups.titles_by_handle.size(), 1u);
  ASSERT_TRUE(popups.process->WaitForExit(10000)) << "popup-sim ends when its window is gone";

  EXPECT_EQ(CloseCounts(popups.record_file, popups.titles_by_handle)[kListed], 1)
      << "it is gone after the first";
  // The answer comes once the tick that closed the window has finished its pass.
  DWORD_PTR ignored = 0;
  ASSERT_TRUE(SendMessageTimeoutA(main_window, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &ignored));
  char count[16] = {};
  GetWindowTextA(ChildWithId(main_window, hushwall::kIdBlockedCount), count, sizeof(count));
  const std::size_t logged = ListBoxTexts(ChildWithId(main_window, hushwall::kIdBlocked)).size();
  EXPECT_GE(logged, 1u);
  EXPECT_EQ(std::stoul(count), logged) << "every block of this window is a logged one";
}

}  // namespace
