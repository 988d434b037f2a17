// The soak scenarios, short: hushwall.exe beside hostile windows of another process
// must keep running, keep answering, keep closing the listed window after the hostile
// phase, and leave its list files as they were. Behaviour only, never speed.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <string>

#include "tests/e2e/support/outside_win32.h"
#include "tools/bench/soak_figures.h"
#include "tools/bench/soak_session_win32.h"
#include "ui/main/main_window_layout.h"
#include "ui/main/tray_icon.h"
#include "ui/main/tray_menu.h"

namespace {

constexpr int kHostilePhaseMs = 2000;

using hushwall::outside::ChildWithId;
using hushwall::outside::WaitFor;

LRESULT ListBoxCount(HWND parent, int id) {
  HWND list_box = ChildWithId(parent, id);
  return list_box ? SendMessageW(list_box, LB_GETCOUNT, 0, 0) : -1;
}

std::string TitleOf(HWND window) {
  std::string title(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  title.resize(static_cast<std::size_t>(GetWindowTextA(window, title.data(), static_cast<int>(title.size()))));
  return title;
}

BOOL CALLBACK CollectChurned(HWND window, LPARAM context) {
  if (TitleOf(window).starts_with("Pop ")) reinterpret_cast<std::set<HWND>*>(context)->insert(window);
  return TRUE;
}

// What makes each scenario hostile, seen from outside, so a popup-sim that quietly
// stopped being hostile fails here instead of passing for a steady program.
const std::map<std::string, std::function<void(const soak::Session&)>> kHostility = {
    {"long-title",
     [](const soak::Session& session) {
       EXPECT_EQ(TitleOf(session.Windows().front().handle).size(), 32760u);
     }},
    {"title-churn",
     [](const soak::Session& session) {
       const HWND renamed = session.Windows().at(1).handle;
       const std::string first = TitleOf(renamed);
       EXPECT_TRUE(first.starts_with("News - Opera")) << first;
       EXPECT_TRUE(WaitFor([&] { return TitleOf(renamed) != first; }, 5000));
     }},
    {"window-churn",
     [](const soak::Session&) {
       // How many a second the window system manages varies by host; that they come
       // and go does not.
       std::set<HWND> seen;
       EXPECT_TRUE(WaitFor([&] {
         EnumWindows(CollectChurned, reinterpret_cast<LPARAM>(&seen));
         return seen.size() >= 3 && std::any_of(seen.begin(), seen.end(), [](HWND window) { return !IsWindow(window); });
       }, 5000)) << seen.size() << " churned windows seen";
     }},
    {"full-log",
     [](const soak::Session& session) {
       EXPECT_EQ(ListBoxCount(session.MainWindow(), hushwall::kIdBlocked), 32767)
           << "the log stays full: each new line pushes the oldest out";
     }},
    {"random-files",
     [](const soak::Session& session) {
       EXPECT_GT(ListBoxCount(session.MainWindow(), hushwall::kIdRemoves), 1);
     }},
    {"hung-window",
     [](const soak::Session& session) {
       const HWND frozen = session.Windows().at(1).handle;
       EXPECT_TRUE(WaitFor([&] {
         DWORD_PTR ignored = 0;
         return SendMessageTimeoutA(frozen, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 200, &ignored) == 0;
       }, 5000)) << "its thread still answers";
     }},
};

class SoakScenario : public ::testing::TestWithParam<const char*> {};

TEST_P(SoakScenario, KeepsRunningAndClosingAndLeavesTheListFilesAlone) {
  const soak::Scenario* scenario = soak::FindScenario(GetParam());
  ASSERT_NE(scenario, nullptr);
  soak::Session session(*scenario, 120000);
  ASSERT_EQ(session.Failure(), "");
  // Its main window exists before its lists are read; a close comes from a scan, and
  // the scans start only once both lists are loaded.
  ASSERT_NE(session.WaitForListedClose(0, 30000), 0u) << "never closed the listed window";
  kHostility.at(GetParam())(session);

  const unsigned long long phase_end = soak::Now() + kHostilePhaseMs;
  while (soak::Now() < phase_end) {
    ASSERT_GE(session.AnswerMilliseconds(30000), 0) << "stopped answering messages";
    Sleep(100);
  }
  EXPECT_NE(session.WaitForListedClose(phase_end, 30000), 0u) << "stopped closing the listed window";
  EXPECT_TRUE(session.ProgramRunning());
  EXPECT_TRUE(session.ListFilesUnchanged());
}

INSTANTIATE_TEST_SUITE_P(Hostile, SoakScenario,
                         ::testing::Values("long-title", "title-churn", "window-churn", "full-log",
                                           "random-files", "hung-window"),
                         [](const auto& info) {
                           std::string name = info.param;
                           std::erase(name, '-');
                           return name;
                         });

// Commands sent while the scan walks 2,000 windows, one after another on one program.
// A command with boxes opens that many, each asked for while the last is open, each
// answered with `answer`; meanwhile the program answers, and scans if blocking is on
// after it. Disable comes twice: a walk is under way at most moments, not at all.
// kBusy: blocking, but each scan now closes 202 windows, too slowly to count closes.
enum class After { kBlocking, kBusy, kStopped, kEnded };
struct WalkCommand {
  const char* name;
  UINT message;
  WPARAM wparam;
  int control, boxes, answer;  // control: whose handle goes in lParam, 0 for none
  After after;
  // lstRemoves's entries (the listed title twice), close requests to each unlisted
  // browser window; -1: unchecked.
  int removes, offer_closes;
};

constexpr WPARAM Menu(hushwall::MenuCommand command) { return static_cast<WPARAM>(command); }
constexpr WPARAM Click(int id) { return MAKEWPARAM(id, BN_CLICKED); }

TEST(CommandsDuringAWalk, TakeEffectWholeAndNeverHoldTheScan) {
  using hushwall::MenuCommand;
  const WalkCommand commands[] = {
      {"Disable", WM_COMMAND, Menu(MenuCommand::DisablePopup), 0, 0, 0, After::kStopped, -1, -1},
      {"Enable", WM_COMMAND, Menu(MenuCommand::EnablePopup), 0, 0, 0, After::kBlocking, -1, -1},
      {"Disable", WM_COMMAND, Menu(MenuCommand::DisablePopup), 0, 0, 0, After::kStopped, -1, -1},
      {"Close all twice, while disabled", WM_COMMAND, Click(hushwall::kIdCloseAll), hushwall::kIdCloseAll, 2,
       IDYES, After::kStopped, -1, 2},
      {"Enable", WM_COMMAND, Menu(MenuCommand::EnablePopup), 0, 0, 0, After::kBlocking, -1, -1},
      {"a box (Command1)", WM_COMMAND, Click(hushwall::kIdCommand1), hushwall::kIdCommand1, 1, IDOK,
       After::kBlocking, -1, -1},
      {"Exit, answered No", WM_COMMAND, Menu(MenuCommand::UnloadExit), 0, 1, IDNO, After::kBlocking, -1, -1},
      {"Add all", WM_COMMAND, Click(hushwall::kIdAddAll), hushwall::kIdAddAll, 1, IDYES, After::kBusy, 202, -1},
      {"WM_ENDSESSION", WM_ENDSESSION, TRUE, 0, 0, 0, After::kStopped, -1, -1},
      {"Exit", WM_COMMAND, Menu(MenuCommand::UnloadExit), 0, 1, IDYES, After::kEnded, -1, -1}};
  soak::Session session(*soak::FindScenario("crowd"), 300000);
  ASSERT_EQ(session.Failure(), "");
  const HWND main = session.MainWindow();
  DWORD process = 0;
  GetWindowThreadProcessId(main, &process);
  const auto count_shown = [&] { return TitleOf(ChildWithId(main, hushwall::kIdBlockedCount)); };
  const std::string listed = session.Windows().front().handle_text;
  const auto closes = [&](const std::string& window, unsigned long long from) {
    return soak::FiguresFor(session.CloseTimes(), window, from, soak::Now()).closes;
  };
  const auto open_boxes = [&] {
    std::vector<HWND> boxes;
    for (const auto& window : hushwall::outside::TopLevelWindowsOf(process))
      if (window.class_name == "#32770" && window.visible) boxes.push_back(window.handle);
    return boxes;
  };
  ASSERT_NE(session.WaitForListedClose(0, 30000), 0u);
  for (const WalkCommand& c : commands) {
    SCOPED_TRACE(c.name);
    const unsigned long long sent = soak::Now();
    const LPARAM control = c.control ? reinterpret_cast<LPARAM>(ChildWithId(main, c.control)) : 0;
    ASSERT_TRUE(c.boxes > 0 || SendMessageTimeoutA(main, c.message, c.wparam, control, SMTO_NORMAL, 10000, nullptr));
    for (int box = 1; box <= c.boxes; ++box) {
      PostMessageA(main, c.message, c.wparam, control);
      ASSERT_TRUE(WaitFor([&] { return int(open_boxes().size()) == box; }, 10000));
      const unsigned long long open = soak::Now();
      EXPECT_TRUE(SendMessageTimeoutA(ChildWithId(main, hushwall::kIdSystrayMsg), hushwall::kTrayCallbackMessage, 0,
                                      WM_MOUSEMOVE, SMTO_NORMAL, 5000, nullptr));
      if (c.after == After::kBlocking) {
        EXPECT_TRUE(WaitFor([&] { return closes(listed, open) >= 3; }, 5000)) << "the box holds the scan";
      }
    }
    for (std::size_t left = c.boxes; left > 0; --left) {
      const std::vector<HWND> boxes = open_boxes();
      ASSERT_EQ(boxes.size(), left);
      PostMessageA(boxes.front(), WM_COMMAND, c.answer, 0);
      ASSERT_TRUE(WaitFor([&] { return open_boxes().size() < left; }, 5000)) << "a box was not answered";
    }
    if (c.after == After::kEnded) {
      EXPECT_TRUE(WaitFor([&] { return !session.ProgramRunning(); }, 10000));
      continue;
    }
    const std::string count_before = count_shown();
    Sleep(500);  // close requests posted before the command have arrived
    const unsigned long long settled = soak::Now();
    if (c.after == After::kBlocking) {
      EXPECT_TRUE(WaitFor([&] { return closes(listed, settled) >= 3; }, 5000)) << "not blocking";
    } else if (c.after == After::kStopped) {
      Sleep(1500);
      EXPECT_EQ(closes(listed, settled), 0);
      EXPECT_EQ(count_shown(), count_before) << "blocked after it";
    }
    EXPECT_TRUE(c.removes < 0 || ListBoxCount(main, hushwall::kIdRemoves) == c.removes);
    for (std::size_t offer = 1; c.offer_closes >= 0 && offer <= 200; ++offer) {
      EXPECT_EQ(closes(session.Windows()[offer].handle_text, sent), c.offer_closes) << offer;
    }
  }
}

}  // namespace
