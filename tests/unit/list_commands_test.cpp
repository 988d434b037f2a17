#include "ui/main/list_commands.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace hushwall {
namespace {

using Strings = std::vector<std::string>;

Strings Entries(const EntryList& list) {
  Strings entries;
  for (int index = 0; index < list.Count(); ++index) entries.push_back(list.At(index));
  return entries;
}

// Answers every Yes/No box with `answer`, and records boxes and saves: a save
// records the list as it was written.
class RecordingHost : public ListCommandHost {
 public:
  explicit RecordingHost(BlockingState& state) : state_(state) {}
  bool AskYesNo(const std::string& text, const std::string& title) override {
    boxes.push_back("ask " + title + ": " + text);
    return answer;
  }
  void Tell(const std::string& text, const std::string& title) override {
    boxes.push_back("tell " + title + ": " + text);
  }
  bool SaveRemoveList() override {
    saved_removes.push_back(Entries(state_.RemoveList()));
    return save_succeeds;
  }
  bool SaveBlockedLog() override {
    saved_logs.push_back(Entries(state_.BlockedLog()));
    return save_succeeds;
  }
  bool EraseBlockedLog() override { return SaveBlockedLog(); }
  void CloseAllBrowserWindows() override { ++close_alls; }
  bool ShowsRemoveSelection(const std::string& entry) override { return !shown || entry == shown; }

  bool answer = true;
  bool save_succeeds = true;
  Strings boxes;
  std::vector<Strings> saved_removes;
  std::vector<Strings> saved_logs;
  int close_alls = 0;
  const char* shown = nullptr;  // the list box's selected line, when not the model's

 private:
  BlockingState& state_;
};

struct Rig {
  BlockingState state;
  RecordingHost host{state};
  ListCommands commands{state, host};

  Rig(const Strings& seen, const std::vector<int>& seen_marked, const Strings& removes,
      const std::vector<int>& removes_marked, const Strings& log = {}) {
    for (const std::string& title : seen) state.SeenList().Append(title);
    for (int index : seen_marked) state.SeenList().SetSelected(index, true);
    for (const std::string& title : removes) state.RemoveList().Append(title);
    for (int index : removes_marked) state.RemoveList().SetSelected(index, true);
    for (const std::string& line : log) state.BlockedLog().Append(line);
  }
};

TEST(ListCommands, EachCommandChangesTheListsAndSavesAsTheTableSays) {
  using Command = void (ListCommands::*)();
  const std::string no_selection_add = "tell Cannot add: You must select first from list";
  const std::string no_selection_remove = "tell Cannot remove: You must select first from list";
  const std::string ask_add_all = "ask Add all PopUps: This will close all web browser windows, are you sure ?";
  const std::string ask_remove_all = "ask Close HushWall: Are you sure you want to remove all from list ?";
  struct Case {
    const char* name;
    Command command;
    bool answer;
    Strings seen;
    std::vector<int> seen_marked;
    Strings removes;
    std::vector<int> removes_marked;
    Strings boxes;
    Strings removes_after;
    int saves;
    std::vector<bool> seen_marks_after;
    const char* shown = nullptr;
  } cases[] = {
      {"Remove of another line shown selected", &ListCommands::cmdRemove_Click, true, {}, {}, {"a", "b"}, {1}, {}, {"a", "b"}, 0, {}, "c"},
      {"Add takes the first marked seen title, even a duplicate", &ListCommands::cmdAdd_Click, true,
       {"A - Opera", "B - Opera", "C - Opera"}, {1, 2}, {"B - Opera"}, {},
       {}, {"B - Opera", "B - Opera"}, 1, {false, false, true}},
      {"Add without a selection only tells", &ListCommands::cmdAdd_Click, true,
       {"A - Opera"}, {}, {"x"}, {}, {no_selection_add}, {"x"}, 0, {false}},
      {"Add all appends every seen title in order", &ListCommands::cmdAddAll_Click, true,
       {"A - Opera", "B - Opera"}, {}, {"A - Opera"}, {},
       {ask_add_all}, {"A - Opera", "A - Opera", "B - Opera"}, 1, {false, false}},
      {"Add all of an empty seen list still saves", &ListCommands::cmdAddAll_Click, true,
       {}, {}, {"x"}, {}, {ask_add_all}, {"x"}, 1, {}},
      {"Add all answered No does nothing", &ListCommands::cmdAddAll_Click, false,
       {"A - Opera"}, {}, {}, {}, {ask_add_all}, {}, 0, {false}},
      {"Remove takes the first marked title", &ListCommands::cmdRemove_Click, true,
       {}, {}, {"a", "b", "c"}, {1, 2}, {}, {"a", "c"}, 1, {}},
      {"Remove without a selection only tells", &ListCommands::cmdRemove_Click, true,
       {}, {}, {"a"}, {}, {no_selection_remove}, {"a"}, 0, {}},
      {"Remove all empties the list and writes it", &ListCommands::cmdRemoveAll_Click, true,
       {}, {}, {"a", "b"}, {}, {ask_remove_all}, {}, 1, {}},
      {"Remove all on an empty list asks, then writes", &ListCommands::cmdRemoveAll_Click, true,
       {}, {}, {}, {}, {ask_remove_all}, {}, 1, {}},
      {"Remove all answered No keeps everything", &ListCommands::cmdRemoveAll_Click, false,
       {}, {}, {"a"}, {}, {ask_remove_all}, {"a"}, 0, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Rig rig(c.seen, c.seen_marked, c.removes, c.removes_marked);
    rig.host.answer = c.answer;
    rig.host.shown = c.shown;
    (rig.commands.*c.command)();
    EXPECT_EQ(rig.host.boxes, c.boxes);
    EXPECT_EQ(Entries(rig.state.RemoveList()), c.removes_after);
    ASSERT_EQ(int(rig.host.saved_removes.size()), c.saves);
    if (c.saves) {
      EXPECT_EQ(rig.host.saved_removes.back(), c.removes_after);
    }
    std::vector<bool> marks;
    for (int index = 0; index < rig.state.SeenList().Count(); ++index)
      marks.push_back(rig.state.SeenList().IsSelected(index));
    EXPECT_EQ(marks, c.seen_marks_after);
  }
}

TEST(ListCommands, LogCommandsClearSaveOrBoth) {
  const Strings log = {"1/2/2024 3:04:05 PM Ad - Opera"};
  struct Case {
    const char* name;
    void (ListCommands::*command)();
    Strings log_after;
    std::vector<Strings> saved;
  } cases[] = {
      {"Clear screen leaves the file alone", &ListCommands::cmdClearScreen_Click, {}, {}},
      {"Save log writes what is shown", &ListCommands::cmdSaveBlocked_Click, log, {log}},
      {"Erase log writes an empty file", &ListCommands::cmdEraseLog_Click, {}, {{}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Rig rig({}, {}, {}, {}, log);
    (rig.commands.*c.command)();
    EXPECT_EQ(Entries(rig.state.BlockedLog()), c.log_after);
    EXPECT_EQ(rig.host.saved_logs, c.saved);
    EXPECT_TRUE(rig.host.boxes.empty());
  }
}

TEST(ListCommands, CloseAllAsksAndActsOnlyOnYes) {
  for (bool yes : {false, true}) {
    Rig rig({"A - Opera"}, {}, {}, {});
    rig.host.answer = yes;
    rig.commands.cmdCloseAll_Click();
    EXPECT_EQ(rig.host.boxes,
              Strings{"ask Close all PopUps: Are you sure you want to close all browser windows ?"});
    EXPECT_EQ(rig.host.close_alls, yes ? 1 : 0);
    EXPECT_EQ(rig.state.SeenList().Count(), 1);
  }
}

// A full list: Add all appends what fits, Add changes nothing and leaves the file
// alone; both say how many were not added.
TEST(ListCommands, AFullRemoveListSaysHowManyTitlesWereNotAdded) {
  struct Case {
    void (ListCommands::*command)();
    int room;
    std::size_t saves;
    const char* told;
  } cases[] = {
      {&ListCommands::cmdAddAll_Click, 1, 1, "tell Add all PopUps: The remove list is full: 2 titles were not added."},
      {&ListCommands::cmdAdd_Click, 0, 0, "tell Cannot add: The remove list is full: 1 title was not added."},
  };
  for (const Case& c : cases) {
    Rig rig({"A - Opera", "B - Opera", "C - Opera"}, {1}, {}, {});
    for (int index = c.room; index < EntryList::kMaxEntries; ++index) rig.state.RemoveList().Append("x");
    (rig.commands.*c.command)();
    EXPECT_EQ(rig.state.RemoveList().At(EntryList::kMaxEntries - 1), c.room ? "A - Opera" : "x");
    EXPECT_EQ(rig.host.saved_removes.size(), c.saves);
    ASSERT_FALSE(rig.host.boxes.empty());
    EXPECT_EQ(rig.host.boxes.back(), c.told);
    EXPECT_TRUE(rig.state.SeenList().IsSelected(1)) << "Add keeps the title selected";
  }
}

}  // namespace
}  // namespace hushwall
