// The engine against the real window system: windows of another process and of
// another thread, hidden ones too, receive real WM_CLOSE messages from a real tick.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <string>

#include "engine/alert_sound_win32.h"
#include "engine/desktop_win32.h"
#include "engine/engine.h"
#include "engine/log_clock_win32.h"
#include "support/message_pump.h"
#include "support/test_desktop_win32.h"
#include "support/window_thread_win32.h"

namespace hushwall {
namespace {

constexpr DWORD kDeadlineMs = 10000;

template <typename Condition>
bool WaitFor(Condition done) {
  return test::PumpUntil(done, kDeadlineMs);
}

constexpr DWORD kAllBoxes = WS_OVERLAPPEDWINDOW;   // caption, frame, both boxes
constexpr DWORD kNoBoxes = WS_POPUP | WS_CAPTION;  // a typical advertising popup
const char kSentinel[] = "Sentinel";

struct Counter : BlockListener {
  void OnLoggedBlock() override { ++logged_blocks; }
  int logged_blocks = 0;
};

// The engine wired to the real desktop, clock and sound.
struct RealEngine {
  RealEngine() { state.SetPlaySound(false); }
  BlockingState state;
  Win32Desktop desktop;
  Win32AlertSound sound;
  Win32LogClock clock;
  Counter listener;
  BlockingEngine engine{state, desktop, sound, clock, listener};

  std::set<std::string> Seen() const {
    std::set<std::string> seen;
    for (int index = 0; index < state.SeenList().Count(); ++index)
      seen.insert(state.SeenList().At(index));
    return seen;
  }
};

std::string Hex(DWORD value) {
  char text[16];
  wsprintfA(text, "%lX", value);
  return text;
}

// popup-sim in another process, with a hidden sentinel window that keeps its place
// in the message queue: once the sentinel has recorded a close request, every
// request posted before it has been recorded too.
class PopupSim {
 public:
  explicit PopupSim(const std::string& window_arguments)
      : process_("popup-sim.exe", "--quiet --record \"" + folder_.File("closes.txt") +
                                      "\" --ready \"" + folder_.File("ready.txt") +
                                      "\" --exit-after 120000 " + window_arguments + " --window " +
                                      kSentinel + " --hidden --ignore-close") {
    const bool ready = WaitFor([&] {
      return GetFileAttributesA(folder_.File("ready.txt").c_str()) != INVALID_FILE_ATTRIBUTES;
    });
    EXPECT_TRUE(process_.Started() && ready) << "popup-sim.exe did not start next to the test";
    std::istringstream lines(test::ReadWholeFile(folder_.File("ready.txt")));
    std::string handle, title;
    while (lines >> handle && std::getline(lines >> std::ws, title)) {
      if (!title.empty() && title.back() == '\r') title.pop_back();
      windows_[title] = reinterpret_cast<HWND>(std::stoull(handle, nullptr, 16));
    }
  }

  HWND Window(const std::string& title) { return windows_.at(title); }

  // Close requests recorded per title, once all that were posted so far have arrived.
  std::map<std::string, int> Closes() {
    const int sentinel_before = Recorded()[kSentinel];
    PostMessageA(Window(kSentinel), WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return Recorded()[kSentinel] > sentinel_before; }));
    std::map<std::string, int> closes = Recorded();
    closes.erase(kSentinel);
    return closes;
  }

 private:
  std::map<std::string, int> Recorded() {
    std::map<std::string, int> closes;
    std::istringstream lines(test::ReadWholeFile(folder_.File("closes.txt")));
    std::string line;
    while (std::getline(lines, line)) {
      if (line.empty() || line.back() != '\r') continue;  // not complete yet
      line.pop_back();
      const std::size_t title = line.find(' ', line.find(' ') + 1);
      ++closes[line.substr(title + 1)];
    }
    return closes;
  }

  test::TempFolder folder_;
  test::ChildProcess process_;
  std::map<std::string, HWND> windows_;
};

std::string Window(const std::string& title, DWORD style, const std::string& extra = "") {
  return "--window \"" + title + "\" --style " + Hex(style) + " " + extra + " ";
}

class EngineDesktop : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(test::UseOwnDesktop()); }
};

TEST_F(EngineDesktop, AnotherProcessesWindowsGetRealCloseRequestsCountedByTheRules) {
  const std::string listed = "Ad 1 - Microsoft Internet Explorer";
  PopupSim sim(Window(listed, kAllBoxes, "--ignore-close") +
               Window("Offer - Opera", kNoBoxes, "--hidden --ignore-close") +
               Window("Netscape", kAllBoxes, "--hidden --ignore-close") +
               Window("notes about opera", kNoBoxes, "--ignore-close") +
               Window("Quits - Netscape", kNoBoxes));
  RealEngine real;
  real.state.RemoveList().Append(listed);
  real.state.RemoveList().Append("an entry that matches nothing");

  real.engine.Tick();

  // Listed: one logged block (the style rule passes, it has a maximize box). Without
  // boxes: one silent block per unmatched entry, two here; the one that quits at
  // the first request never sees the second.
  EXPECT_EQ(sim.Closes(), (std::map<std::string, int>{
                              {listed, 1}, {"Offer - Opera", 2}, {"Quits - Netscape", 1}}));
  EXPECT_EQ(real.state.BlockedCount(), 5);
  EXPECT_EQ(real.listener.logged_blocks, 1);
  ASSERT_EQ(real.state.BlockedLog().Count(), 1);
  const std::string line = real.state.BlockedLog().At(0);
  EXPECT_EQ(line.substr(line.size() - listed.size() - 1), " " + listed);
  EXPECT_EQ(real.Seen(),
            (std::set<std::string>{listed, "Offer - Opera", "Netscape", "Quits - Netscape"}));

  // The windows that stayed are blocked again, and counted again, at the next tick.
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(sim.Window("Quits - Netscape")); }));
  real.engine.Tick();
  EXPECT_EQ(sim.Closes(), (std::map<std::string, int>{
                              {listed, 2}, {"Offer - Opera", 4}, {"Quits - Netscape", 1}}));
  EXPECT_EQ(real.state.BlockedCount(), 8);
  EXPECT_EQ(real.state.BlockedLog().Count(), 2);
  EXPECT_EQ(real.Seen(), (std::set<std::string>{listed, "Offer - Opera", "Netscape"}));
}

TEST_F(EngineDesktop, CloseAllReachesEveryBrowserWindowWithBlockingOff) {
  PopupSim sim(Window("Visible - Opera", kAllBoxes, "--ignore-close") +
               Window("Hidden - Internet Explorer", kAllBoxes, "--hidden --ignore-close") +
               Window("Plain editor", kNoBoxes, "--ignore-close"));
  RealEngine real;
  real.state.Flags().StereotypeWindows = 0;

  real.engine.CloseAllBrowserWindows();

  EXPECT_EQ(sim.Closes(), (std::map<std::string, int>{{"Visible - Opera", 1},
                                                      {"Hidden - Internet Explorer", 1}}));
  EXPECT_EQ(real.state.BlockedCount(), 0);
  EXPECT_EQ(real.state.SeenList().Count(), 0);
}

TEST_F(EngineDesktop, AnotherThreadsWindowsAreFoundHiddenOnesToo) {
  // Created without WS_VISIBLE: all of them are hidden.
  test::WindowThread windows({{"Hidden ad - Opera", kNoBoxes},
                              {"Hidden page - Netscape", kAllBoxes},
                              {"hidden page - netscape", kNoBoxes}});
  RealEngine real;
  for (const char* entry : {"first", "Hidden page - Netscape", "third"})
    real.state.RemoveList().Append(entry);

  real.engine.Tick();
  windows.Flush();

  EXPECT_EQ(windows.Closes(0), 3);  // three unmatched entries, no maximize box
  EXPECT_EQ(windows.Closes(1), 1);  // listed, all boxes
  EXPECT_EQ(windows.Closes(2), 0);  // not a browser window: lower case
  EXPECT_EQ(real.state.BlockedCount(), 4);
  EXPECT_EQ(real.state.BlockedLog().Count(), 1);
  EXPECT_EQ(real.Seen(), (std::set<std::string>{"Hidden ad - Opera", "Hidden page - Netscape"}));
}

}  // namespace
}  // namespace hushwall
