#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "engine/blocking_state.h"

namespace hushwall {
namespace {

std::vector<std::string> Texts(const EntryList& list) {
  std::vector<std::string> texts;
  for (int index = 0; index < list.Count(); ++index) texts.push_back(list.At(index));
  return texts;
}

std::vector<bool> Marks(const EntryList& list) {
  std::vector<bool> marks;
  for (int index = 0; index < list.Count(); ++index) marks.push_back(list.IsSelected(index));
  return marks;
}

// The prune as first described: walk from 0, remove the first unselected entry,
// start again from 0, until a walk reaches the end without removing anything.
void RestartingPrune(EntryList& list) {
  for (bool removed = true; removed;) {
    removed = false;
    for (int index = 0; index < list.Count(); ++index) {
      if (!list.IsSelected(index)) {
        list.RemoveAt(index);
        removed = true;
        break;
      }
    }
  }
}

TEST(EntryList, OnePassPruneEqualsTheRestartingWalk) {
  std::mt19937 random(7);
  for (int round = 0; round < 300; ++round) {
    EntryList linear;
    EntryList restarting;
    const int count = int(random() % 40);
    for (int index = 0; index < count; ++index) {
      const std::string text = "t" + std::to_string(random() % 12);  // duplicates on purpose
      const bool selected = random() % 3 == 0;
      for (EntryList* list : {&linear, &restarting}) {
        list->Append(text);
        list->SetSelected(index, selected);
      }
    }
    linear.RemoveUnselected();
    RestartingPrune(restarting);
    ASSERT_EQ(Texts(linear), Texts(restarting)) << "round " << round;
    ASSERT_EQ(Marks(linear), Marks(restarting));
    for (int index = 0; index < 12; ++index) {
      const std::string text = "t" + std::to_string(index);
      ASSERT_EQ(linear.Contains(text), restarting.Contains(text)) << text;
    }
  }
}

// Every change is checked against a plain scan, so a stale hash index shows up.
TEST(EntryList, ContainsFollowsEveryKindOfChange) {
  std::mt19937 random(11);
  EntryList list;
  std::vector<std::string> model;
  auto check = [&](int step) {
    for (int value = 0; value < 30; ++value) {
      const std::string text = std::string(value % 3, ' ') + "w" + std::to_string(value);
      const bool expected = std::find(model.begin(), model.end(), text) != model.end();
      ASSERT_EQ(list.Contains(text), expected) << "step " << step << " text '" << text << "'";
    }
  };
  for (int step = 0; step < 3000; ++step) {
    const int action = int(random() % 10);
    const int value = int(random() % 30);
    const std::string text = std::string(value % 3, ' ') + "w" + std::to_string(value);
    if (action < 6) {
      list.Append(text);
      model.push_back(text);
    } else if (action < 8 && !model.empty()) {
      const int index = int(random() % model.size());
      list.RemoveAt(index);
      model.erase(model.begin() + index);
    } else if (action == 8 && !model.empty()) {
      for (int index = 0; index < list.Count(); ++index) list.SetSelected(index, random() % 2 == 0);
      list.RemoveUnselected();
      model = Texts(list);
    } else if (random() % 8 == 0) {
      list.Clear();
      model.clear();
    }
    check(step);
  }
}

TEST(EntryList, ComparesExactlyAndCaseSensitively) {
  EntryList list;
  list.Append("Ad - Opera");
  EXPECT_TRUE(list.Contains("Ad - Opera"));
  for (const char* other : {"ad - Opera", "Ad - Opera ", " Ad - Opera", "Ad - Oper", ""}) {
    EXPECT_FALSE(list.Contains(other)) << "'" << other << "'";
  }
  list.Append(std::string("Ad\0Opera", 8));
  EXPECT_TRUE(list.Contains(std::string("Ad\0Opera", 8)));
  EXPECT_FALSE(list.Contains("Ad"));
}

TEST(EntryList, RefusesToGrowPastTheLimit) {
  EntryList list;
  for (int index = 0; index < EntryList::kMaxEntries; ++index) {
    ASSERT_TRUE(list.Append(std::to_string(index)));
  }
  const auto revision = list.Revision();
  EXPECT_FALSE(list.Append("one too many"));
  EXPECT_EQ(list.Count(), EntryList::kMaxEntries);
  EXPECT_EQ(list.Revision(), revision);
  EXPECT_FALSE(list.Contains("one too many"));
  list.RemoveAt(0);
  EXPECT_TRUE(list.Append("room again"));
  EXPECT_EQ(list.At(EntryList::kMaxEntries - 1), "room again");
}

TEST(EntryList, SelectionMarksTravelWithTheirEntries) {
  EntryList list;
  for (const char* text : {"a", "b", "c", "d"}) list.Append(text);
  list.SetSelected(1, true);
  list.SetSelected(3, true);
  list.RemoveAt(0);
  EXPECT_EQ(Marks(list), (std::vector<bool>{true, false, true}));
  list.RemoveUnselected();
  EXPECT_EQ(Texts(list), (std::vector<std::string>{"b", "d"}));
  EXPECT_EQ(Marks(list), (std::vector<bool>{true, true}));
  list.Append("e");
  EXPECT_FALSE(list.IsSelected(2));  // a new entry starts unselected, also in a reused slot
}

TEST(EntryList, RevisionChangesWithEntriesNotWithMarks) {
  EntryList list;
  auto revision = list.Revision();
  list.Append("a");
  EXPECT_NE(list.Revision(), revision);
  revision = list.Revision();
  list.SetSelected(0, true);
  list.RemoveUnselected();  // nothing to remove
  EXPECT_EQ(list.Revision(), revision);
  list.SetSelected(0, false);
  list.RemoveUnselected();
  EXPECT_NE(list.Revision(), revision);
  EXPECT_EQ(list.Count(), 0);
}

// The log keeps its newest lines within two caps, a line count and a text budget;
// a single line over the whole budget is cut to it with a visible mark.
TEST(BlockingState, TheBlockedLogDropsItsOldestLinesAtEitherCap) {
  const std::size_t budget = BlockingState::kLogTextBudget;
  const std::size_t mib = 1024 * 1024;
  struct Case {
    const char* name;
    int filler_lines;
    std::size_t filler_size;
    std::size_t new_line_size;
    int expected_count;      // after appending the new line
    int expected_first;      // index of the first filler line still kept; -1: none
  } cases[] = {
      {"line count: the oldest goes", EntryList::kMaxEntries, 4, 8, EntryList::kMaxEntries, 1},
      {"budget: exactly full fits", 7, mib, mib, 8, 0},
      {"budget: one byte over drops the oldest", 8, mib, 1, 8, 1},
      {"budget: a big line drops several", 8, mib, 3 * mib, 6, 3},
      {"a line over the budget replaces everything", 3, 10, budget + 100, 1, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    BlockingState state;
    for (int index = 0; index < c.filler_lines; ++index) {
      std::string line = std::to_string(index);
      line.resize(c.filler_size, '.');
      state.AppendLogLine(line);
    }
    state.AppendLogLine(std::string(c.new_line_size, 'n'));

    const EntryList& log = state.BlockedLog();
    ASSERT_EQ(log.Count(), c.expected_count);
    if (c.expected_first >= 0) {
      EXPECT_EQ(log.At(0).substr(0, log.At(0).find('.')), std::to_string(c.expected_first));
    }
    const std::string& newest = log.At(log.Count() - 1);
    if (c.new_line_size <= budget) {
      EXPECT_EQ(newest, std::string(c.new_line_size, 'n'));
    } else {
      EXPECT_EQ(newest.size(), budget);
      EXPECT_TRUE(newest.ends_with(BlockingState::kShortenedMark));
    }
    std::size_t bytes = 0;
    for (int index = 0; index < log.Count(); ++index) bytes += log.At(index).size();
    EXPECT_EQ(log.TextBytes(), bytes);
    EXPECT_LE(bytes, budget);
  }
}

}  // namespace
}  // namespace hushwall
