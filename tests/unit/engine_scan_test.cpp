#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "support/simulated_desktop.h"

namespace hushwall {
namespace {

using sim::kBorder;
using sim::kDialogFrame;
using sim::kMaximizeBox;
using sim::kMinimizeBox;
using sim::kOverlappedWindow;
using Strings = std::vector<std::string>;

TEST(BrowserTitle, NeedsOneOfTheThreeNamesExactlyAsWritten) {
  struct Case {
    const char* title;
    bool browser;
  };
  const Case cases[] = {
      {"Cheap flights - Microsoft Internet Explorer", true},
      {"Netscape", true},
      {"Opera", true},
      {"News-Opera-x", true},
      {"cheap flights - internet explorer", false},
      {"OPERA", false},
      {"netscape", false},
      {"Internet  Explorer", false},
      {"Operator console", true},  // a plain substring test, as the rule says
      {"Notepad", false},
      {"", false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsBrowserTitle(c.title), c.browser) << c.title;
}

TEST(Scan, RecordsEachBrowserTitleOnceInWalkOrder) {
  sim::Rig rig;
  rig.desktop.Add("Page B - Opera");
  rig.desktop.Add("Untitled - Notepad");
  rig.desktop.Add("Page A - Netscape");
  rig.desktop.Add("Page B - Opera");
  rig.desktop.Add("");
  rig.desktop.Add("page c - internet explorer");
  rig.engine.Tick();
  EXPECT_EQ(rig.Seen(), (Strings{"Page B - Opera", "Page A - Netscape"}));
  rig.engine.Tick();
  EXPECT_EQ(rig.Seen(), (Strings{"Page B - Opera", "Page A - Netscape"}));
  EXPECT_TRUE(rig.desktop.posted.empty());  // empty remove list: nothing is closed
}

TEST(Scan, KeepsASelectedEntryAfterItsWindowHasGone) {
  sim::Rig rig;
  const WindowHandle gone = rig.desktop.Add("Gone - Opera");
  rig.desktop.Add("Stays - Opera");
  rig.engine.Tick();
  rig.state.SeenList().SetSelected(0, true);
  rig.desktop.Destroy(gone);
  rig.engine.Tick();
  EXPECT_EQ(rig.Seen(), (Strings{"Gone - Opera", "Stays - Opera"}));
  rig.state.SeenList().SetSelected(0, false);
  rig.engine.Tick();
  EXPECT_EQ(rig.Seen(), Strings{"Stays - Opera"});
}

TEST(Scan, AClearedSelectionSendsTheTitleBackToItsWalkPosition) {
  sim::Rig rig;
  rig.desktop.Add("A - Opera");
  rig.desktop.Add("B - Opera");
  rig.engine.Tick();
  rig.state.SeenList().SetSelected(1, true);
  rig.engine.Tick();
  EXPECT_EQ(rig.Seen(), (Strings{"B - Opera", "A - Opera"}));  // not recorded twice
  EXPECT_TRUE(rig.state.SeenList().IsSelected(0));
  rig.state.SeenList().SetSelected(0, false);
  rig.engine.Tick();
  EXPECT_EQ(rig.Seen(), (Strings{"A - Opera", "B - Opera"}));
}

// Whole at any length, in one read when it fits; a change or a window gone between
// reads gives a prefix (`read` long) of the last title, or none.
TEST(Scan, ReadsEveryTitleWholeAndOnceWhenItFits) {
  constexpr int kLimit = BlockingEngine::kTitleReadLimit;
  using Change = void (*)(sim::Window&);
  const Change grow = [](sim::Window& w) { w.title += std::string(5000, 'x'); };
  const Change shrink = [](sim::Window& w) { w.title = "Ad - Opera"; };
  const Change destroy = [](sim::Window& w) { w.alive = false; };
  struct Case { const char* name; int length; bool after_copy; Change change; int read; int calls; int utf8_short = 0; } cases[] = {
      {"cut 3 bytes short in UTF-8", kLimit + 9, true, nullptr, kLimit + 9, 3, 3},
      {"shorter than the buffer", 40, true, nullptr, 40, 1},
      {"filling the buffer", kLimit - 1, true, nullptr, kLimit - 1, 2},
      {"longer than the buffer", kLimit, true, nullptr, kLimit, 3},
      {"longer than the kept buffer", 70000, true, nullptr, 70000, 3},
      {"grows after the first read", kLimit + 9, true, grow, kLimit + 5009, 3},
      {"grows after its length is read", kLimit + 9, false, grow, kLimit + 9, 3},
      {"shrinks after the first read", kLimit + 9, true, shrink, 10, 3},
      {"empty", 0, true, nullptr, 0, 1},
      {"destroyed after the first read", kLimit + 9, true, destroy, 0, 2},
      {"destroyed after its length is read", kLimit + 9, false, destroy, 0, 3}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string title = c.length ? std::string("Ad - Opera").append(c.length - 10, '.') : "";
    sim::Window last{0, title};
    if (c.change) c.change(last);
    const std::string expected = last.title.substr(0, c.read);
    sim::Rig rig;
    rig.desktop.Add(title);
    rig.desktop.max_char_bytes = c.utf8_short ? 4 : 2;
    rig.desktop.cut_short = c.utf8_short;
    (c.after_copy ? rig.desktop.after_copy_title : rig.desktop.after_title_length) =
        [&c, changed = false](sim::Window& w) mutable { if (c.change && !std::exchange(changed, true)) c.change(w); };
    rig.engine.Tick();
    EXPECT_EQ(rig.desktop.title_calls, c.calls);
    EXPECT_EQ(rig.Seen(), c.read ? Strings{expected} : Strings{});
  }
}

// One browser window, its title, style and the remove list, against the flags.
struct RuleCase {
  const char* name;
  RuleFlags flags;
  Strings removes;
  const char* title;
  std::uint32_t style;
  int closes;
  int log_lines;
};

class Rules : public ::testing::TestWithParam<RuleCase> {};

TEST_P(Rules, CloseCountAndLogFollowTheRulePass) {
  const RuleCase& c = GetParam();
  sim::Rig rig;
  rig.state.Flags() = c.flags;
  for (const std::string& entry : c.removes) rig.state.RemoveList().Append(entry);
  const WindowHandle window = rig.desktop.Add(c.title, c.style);
  rig.desktop.Add("Bystander", 0);  // no boxes at all, but not a browser window

  rig.engine.Tick();

  EXPECT_EQ(rig.desktop.CloseRequestsTo(window), c.closes);
  EXPECT_EQ(int(rig.desktop.posted.size()), c.closes);
  EXPECT_EQ(rig.state.BlockedCount(), c.closes);
  EXPECT_EQ(rig.sound.Count("play 5"), c.closes);
  EXPECT_EQ(rig.state.BlockedLog().Count(), c.log_lines);
  EXPECT_EQ(rig.listener.logged_blocks, c.log_lines);
  for (const std::string& line : rig.Log()) {
    EXPECT_EQ(line.substr(line.size() - std::string(c.title).size()), c.title);
  }
  EXPECT_EQ(rig.Seen(), Strings{c.title});  // recorded whatever the rules did
  EXPECT_LE(rig.desktop.style_reads, 1) << "the style word is read once per window and tick";
}

constexpr RuleFlags kStart{1, 1, 0, 0};
constexpr RuleFlags kOff{0, 1, 1, 1};
constexpr RuleFlags kListOnly{1, 0, 0, 0};
const char* const kAd = "Ad - Microsoft Internet Explorer";
constexpr std::uint32_t kNoMax = kOverlappedWindow & ~kMaximizeBox;
constexpr std::uint32_t kNoMin = kOverlappedWindow & ~kMinimizeBox;
constexpr std::uint32_t kAll = kOverlappedWindow;

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Engine, Rules,
    ::testing::Values(
        RuleCase{"EmptyRemoveListClosesNothing", kStart, {}, kAd, 0, 0, 0},
        RuleCase{"StereotypeOffClosesNothingNotEvenListed", kOff, {kAd, "x"}, kAd, 0, 0, 0},
        RuleCase{"StereotypeTwoCountsAsOff", {2, 1, 0, 0}, {kAd, "x"}, kAd, 0, 0, 0},
        RuleCase{"StereotypeMinusOneCountsAsOff", {-1, 1, 0, 0}, {kAd}, kAd, 0, 0, 0},
        RuleCase{"ListedTitleWithEveryBoxOneLoggedBlock", kStart, {"x", kAd}, kAd, kAll, 1, 1},
        RuleCase{"ListOnlyClosesListedTitles", kListOnly, {kAd, "x", "y"}, kAd, 0, 1, 1},
        RuleCase{"ListOnlyLeavesUnlistedWithoutBoxes", kListOnly, {"x", "y"}, kAd, 0, 0, 0},
        RuleCase{"StyleRuleOncePerUnmatchedEntry", kStart, {"x", "y"}, kAd, kNoMax, 2, 0},
        RuleCase{"ThreeUnmatchedEntriesThreeCloses", kStart, {"x", "y", "z"}, kAd, kNoMax, 3, 0},
        RuleCase{"ListedTwiceTwoLoggedBlocks", kStart, {kAd, kAd}, kAd, kAll, 2, 2},
        RuleCase{"ListedAndFailingStyleOneLogged", kStart, {"x", kAd, "y"}, kAd, kNoMax, 3, 1},
        RuleCase{"OnlyMaxTestWhenMaxAndMinAreOn", {1, 1, 1, 0}, {"x"}, kAd, kNoMin, 0, 0},
        RuleCase{"MinRuleWhenMaxIsOff", {1, 0, 1, 0}, {"x"}, kAd, kNoMin, 1, 0},
        RuleCase{"MaxFlagTwoCountsAsOff", {1, 2, 1, 0}, {"x"}, kAd, kNoMin, 1, 0},
        RuleCase{"TitleBarRuleClosesBorderOnly", {1, 0, 0, 1}, {"x"}, kAd, kBorder, 1, 0},
        RuleCase{"TitleBarRuleKeepsDialogFrame", {1, 0, 0, 1}, {"x"}, kAd, kDialogFrame, 0, 0},
        RuleCase{"ListMatchIsCaseSensitive", kListOnly, {"ad - Microsoft Internet Explorer"}, kAd, 0, 0, 0}),
    [](const ::testing::TestParamInfo<RuleCase>& info) { return info.param.name; });
// clang-format on

// Several browser windows, each judged by its own style word under each style rule.
TEST(RulePass, EachWindowIsJudgedByItsOwnStyle) {
  const std::uint32_t styles[] = {kAll, kNoMax, kNoMin, kBorder, kDialogFrame, kAll};
  struct Case { const char* name; RuleFlags flags; int closes[6]; } cases[] = {
      {"no maximize box", kStart, {0, 1, 0, 1, 1, 0}},
      {"no minimize box", {1, 0, 1, 0}, {0, 0, 1, 1, 1, 0}},
      {"no title bar", {1, 0, 0, 1}, {0, 0, 0, 1, 0, 0}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    sim::Rig rig;
    rig.state.Flags() = c.flags;
    rig.state.RemoveList().Append("x");
    std::vector<WindowHandle> windows;
    for (std::uint32_t style : styles) windows.push_back(rig.desktop.Add("Ad " + std::to_string(windows.size()) + " - Opera", style));
    rig.engine.Tick();
    for (std::size_t index = 0; index < windows.size(); ++index)
      EXPECT_EQ(rig.desktop.CloseRequestsTo(windows[index]), c.closes[index]) << index;
  }
}

// A browser window that is destroyed on its first close request, wherever it is
// listed and whatever its style: it is closed, counted and alerted exactly once, as
// for one block, however many entries the pass has left.
TEST(RulePass, AWindowDestroyedByItsCloseRequestIsBlockedOnce) {
  struct Case {
    const char* name;
    int listed_at;  // -1: not listed
    std::uint32_t style;
    int log_lines;
  };
  const Case cases[] = {{"listed first, every box", 0, kAll, 1},
                        {"listed first, no maximize box", 0, kNoMax, 1},
                        {"listed last, no maximize box", 1999, kNoMax, 0},
                        {"not listed, no maximize box", -1, kNoMax, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    sim::Rig rig;
    const char* const title = "Ad - Internet Explorer";
    for (int index = 0; index < 2000; ++index)
      rig.state.RemoveList().Append(index == c.listed_at ? title : "Filler " + std::to_string(index));
    const WindowHandle window = rig.desktop.Add(title, c.style);
    rig.desktop.on_close_request = [](sim::Window& w) { w.alive = false; };

    rig.engine.Tick();

    EXPECT_EQ(rig.desktop.CloseRequestsTo(window), 1);
    EXPECT_EQ(rig.state.BlockedCount(), 1);
    EXPECT_EQ(rig.sound.Count("play 5"), 1);
    EXPECT_EQ(rig.state.BlockedLog().Count(), c.log_lines);
    EXPECT_LE(rig.desktop.style_reads, 1);
  }
}

TEST(RulePass, AWindowThatStaysIsBlockedAgainAtEveryTick) {
  sim::Rig rig;
  rig.state.RemoveList().Append("Ad - Opera");
  const WindowHandle window = rig.desktop.Add("Ad - Opera");
  for (int tick = 0; tick < 3; ++tick) rig.engine.Tick();
  EXPECT_EQ(rig.desktop.CloseRequestsTo(window), 3);
  EXPECT_EQ(rig.state.BlockedCount(), 3);
  EXPECT_EQ(rig.Log(), (Strings{"1/2/2024 3:04:00 PM Ad - Opera", "1/2/2024 3:04:01 PM Ad - Opera",
                                "1/2/2024 3:04:02 PM Ad - Opera"}));
  EXPECT_EQ(rig.listener.logged_blocks, 3);
}

TEST(RulePass, AListEditedDuringTheAlertBoxEndsThePassSafely) {
  sim::Rig rig;
  rig.sound.resource_present = false;
  for (const char* entry : {"a", "b", "c"}) rig.state.RemoveList().Append(entry);
  rig.desktop.Add("Ad - Opera", kNoMax);
  rig.sound.on_report = [&] {
    rig.state.RemoveList().Clear();
    rig.engine.Tick();  // the timer fires inside the message box's loop
  };
  rig.engine.Tick();
  EXPECT_EQ(rig.state.BlockedCount(), 1);
  EXPECT_EQ(rig.sound.Count("report"), 1);
  EXPECT_EQ(rig.Seen(), Strings{"Ad - Opera"});
}

TEST(RulePass, StoppedInsideTheAlertBoxJudgesNothingMore) {
  sim::Rig rig;
  rig.sound.resource_present = false;
  rig.state.RemoveList().Append("a");
  for (const char* title : {"One - Opera", "Two - Opera"}) rig.desktop.Add(title, kNoMax);
  rig.sound.on_report = [&] { rig.engine.StopJudging(); };
  rig.engine.Tick();
  EXPECT_EQ(rig.state.BlockedCount(), 1);
  EXPECT_EQ(rig.Seen(), Strings{});
}

TEST(Alert, PlaysTheSoundResourceAtEveryCloseAndKeepsPlayingBytesIntact) {
  sim::Rig rig;
  for (const char* entry : {"a", "b", "c"}) rig.state.RemoveList().Append(entry);
  rig.desktop.Add("One - Opera", kNoMax);
  rig.desktop.Add("Two - Opera", kNoMax);
  rig.engine.Tick();
  rig.engine.Tick();
  EXPECT_EQ(rig.sound.Count("load SOUND1/WAVE"), 12);
  EXPECT_EQ(rig.sound.Count("play 5"), 12);
  EXPECT_EQ(rig.sound.damaged_playing_sounds, 0);
}

TEST(Alert, WithTheOptionOffACloseStopsTheSound) {
  sim::Rig rig;
  rig.state.RemoveList().Append("x");
  rig.desktop.Add("Ad - Opera", kNoMax);
  rig.engine.Tick();
  rig.state.SetPlaySound(false);
  rig.engine.Tick();
  EXPECT_EQ(rig.sound.events, (Strings{"load SOUND1/WAVE", "play 5", "stop"}));
  EXPECT_EQ(rig.state.BlockedCount(), 2);
}

TEST(Alert, AMissingResourceIsReportedAtEachCloseAndTheCloseGoesOn) {
  sim::Rig rig;
  rig.sound.resource_present = false;
  for (const char* entry : {"x", "y"}) rig.state.RemoveList().Append(entry);
  const WindowHandle window = rig.desktop.Add("Ad - Opera", kNoMax);
  rig.engine.Tick();
  EXPECT_EQ(rig.sound.Count("report"), 2);
  EXPECT_EQ(rig.sound.Count("play 5"), 0);
  EXPECT_EQ(rig.desktop.CloseRequestsTo(window), 2);
  EXPECT_EQ(rig.state.BlockedCount(), 2);
}

TEST(Alert, StopSoundAndTheEngineGoingAwayStopThePlayingSound) {
  sim::Rig rig;
  rig.engine.StopSound();
  EXPECT_EQ(rig.sound.events, Strings{"stop"});

  sim::Desktop desktop;
  sim::Sound sound;
  {
    BlockingEngine engine(rig.state, desktop, sound, rig.clock, rig.listener);
    engine.BlockAlert();
  }
  EXPECT_EQ(sound.events, (Strings{"load SOUND1/WAVE", "play 5", "stop"}));
}

TEST(CloseAll, PostsToEveryBrowserWindowAndChangesNothingElse) {
  sim::Rig rig;
  rig.state.Flags() = kOff;
  rig.state.RemoveList().Append("A - Opera");
  rig.state.SeenList().Append("Old - Opera");
  const WindowHandle a = rig.desktop.Add("A - Opera");
  rig.desktop.Add("Editor");
  const WindowHandle b = rig.desktop.Add("Netscape", 0);
  const WindowHandle c = rig.desktop.Add("B - Opera");

  rig.engine.CloseAllBrowserWindows();

  EXPECT_EQ(rig.desktop.posted, (std::vector<WindowHandle>{a, b, c}));
  EXPECT_EQ(rig.state.BlockedCount(), 0);
  EXPECT_EQ(rig.Seen(), Strings{"Old - Opera"});
  EXPECT_EQ(rig.state.BlockedLog().Count(), 0);
  EXPECT_TRUE(rig.sound.events.empty());
  EXPECT_EQ(rig.listener.logged_blocks, 0);
  EXPECT_EQ(rig.desktop.style_reads, 0);
}

}  // namespace
}  // namespace hushwall
