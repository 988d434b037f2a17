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
#include "tools/bench/soak_session_win32.h"
#include "ui/main/main_window_layout.h"

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

}  // namespace
