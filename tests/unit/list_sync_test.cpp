#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "ui/main/list_sync.h"

namespace hushwall {
namespace {

using Texts = std::vector<std::string>;

Texts Apply(Texts list, const std::vector<ListEdit>& edits) {
  for (const ListEdit& edit : edits) {
    EXPECT_GE(edit.index, 0);
    if (edit.kind == ListEdit::Kind::Delete) {
      EXPECT_LT(edit.index, static_cast<int>(list.size()));
      list.erase(list.begin() + edit.index);
    } else {
      EXPECT_LE(edit.index, static_cast<int>(list.size()));
      list.insert(list.begin() + edit.index, edit.text);
    }
  }
  return list;
}

std::size_t LongestCommonSubsequence(const Texts& a, const Texts& b) {
  std::vector<std::vector<std::size_t>> table(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
  for (std::size_t i = 1; i <= a.size(); ++i)
    for (std::size_t j = 1; j <= b.size(); ++j)
      table[i][j] = a[i - 1] == b[j - 1] ? table[i - 1][j - 1] + 1
                                         : std::max(table[i - 1][j], table[i][j - 1]);
  return table[a.size()][b.size()];
}

struct EditCase {
  const char* what;
  Texts shown;
  Texts wanted;
  std::size_t edits;
};

TEST(ComputeListEdits, TurnsShownIntoWantedWithFewestEdits) {
  const EditCase cases[] = {
      {"unchanged", {"a", "b", "c"}, {"a", "b", "c"}, 0},
      {"both empty", {}, {}, 0},
      {"fill an empty box", {}, {"a", "b"}, 2},
      {"empty a full box", {"a", "b"}, {}, 2},
      {"append at the end", {"a", "b"}, {"a", "b", "c"}, 1},
      {"scan drops one unselected title and adds a new one", {"a", "b", "c"}, {"a", "c", "d"}, 2},
      {"oldest log line goes, a new one comes", {"1", "2", "3", "4"}, {"2", "3", "4", "5"}, 2},
      {"same text twice, one removed", {"x", "x", "y"}, {"x", "y"}, 1},
      {"order reversed", {"a", "b", "c"}, {"c", "b", "a"}, 4},
      {"case differs: different text", {"Opera"}, {"opera"}, 2},
  };
  for (const EditCase& c : cases) {
    SCOPED_TRACE(c.what);
    auto edits = ComputeListEdits(c.shown, c.wanted);
    EXPECT_EQ(Apply(c.shown, edits), c.wanted);
    EXPECT_EQ(edits.size(), c.edits);
  }
}

TEST(ComputeListEdits, RandomListsMatchTheLongestCommonSubsequence) {
  std::mt19937 random(20240521);
  for (int round = 0; round < 400; ++round) {
    auto make = [&] {
      Texts list(random() % 12);
      for (auto& text : list) text = std::string(1, static_cast<char>('a' + random() % 5));
      return list;
    };
    Texts shown = make();
    Texts wanted = make();
    auto edits = ComputeListEdits(shown, wanted);
    ASSERT_EQ(Apply(shown, edits), wanted);
    ASSERT_EQ(edits.size(), shown.size() + wanted.size() - 2 * LongestCommonSubsequence(shown, wanted));
  }
}

TEST(ComputeListEdits, FullLogShiftedByOneLineStaysTwoEdits) {
  Texts shown;
  for (int i = 0; i < 32767; ++i) shown.push_back("line " + std::to_string(i));
  Texts wanted(shown.begin() + 1, shown.end());
  wanted.push_back("line 32767");
  auto edits = ComputeListEdits(shown, wanted);
  EXPECT_EQ(edits.size(), 2u);
  EXPECT_EQ(Apply(shown, edits), wanted);
}

TEST(ComputeListEdits, UnrelatedLongListsAreStillReplacedCorrectly) {
  Texts shown;
  Texts wanted;
  for (int i = 0; i < 3000; ++i) {
    shown.push_back("old " + std::to_string(i));
    wanted.push_back("new " + std::to_string(i));
  }
  EXPECT_EQ(Apply(shown, ComputeListEdits(shown, wanted)), wanted);
}

// A list box that records every change made to it.
class RecordingListBox : public ListBoxPort {
 public:
  void InsertAt(int index, const std::string& text) override {
    items.insert(items.begin() + index, text);
    Edited();
  }
  void DeleteAt(int index) override {
    items.erase(items.begin() + index);
    if (selection == index) selection = -1;
    if (selection > index) --selection;
    Edited();
  }
  int Selection() const override { return selection; }
  void Select(int index) override {
    selection = index;
    ++changes;
  }
  void SetRedraw(bool on) override {
    redrawing = on;
    ++changes;
  }
  std::vector<std::string> items;
  int selection = -1;
  int changes = 0;
  bool redrawing = true;
  int edits_while_redrawing = 0;

 private:
  void Edited() {
    ++changes;
    if (redrawing) ++edits_while_redrawing;
  }
};

TEST(ListBoxBinding, ShowsTheModelAndLeavesUnchangedContentAlone) {
  EntryList model;
  RecordingListBox view;
  ListBoxBinding binding(model, view, true);
  model.Append("a");
  model.Append("b");
  binding.Sync();
  EXPECT_EQ(view.items, (std::vector<std::string>{"a", "b"}));

  // Removed and added back, as a scan tick does with a title still on screen.
  model.RemoveAt(1);
  model.Append("b");
  view.changes = 0;
  binding.Sync();
  binding.Sync();
  EXPECT_EQ(view.changes, 0);

  model.Append("c");
  binding.Sync();
  EXPECT_EQ(view.changes, 1);
  EXPECT_EQ(view.items, (std::vector<std::string>{"a", "b", "c"}));
}

// A list box redraws itself after every edit; thousands of them (a full log
// cleared or loaded while the window is shown) would freeze the program for a minute.
TEST(ListBoxBinding, ALongChangeIsMadeWithRedrawingOffAndAFewEditsAreNot) {
  EntryList model;
  RecordingListBox view;
  ListBoxBinding binding(model, view, true);
  for (int i = 0; i < 5000; ++i) model.Append("line " + std::to_string(i));
  binding.Sync();
  EXPECT_EQ(view.items.size(), 5000u);
  EXPECT_EQ(view.edits_while_redrawing, 0);
  EXPECT_TRUE(view.redrawing) << "drawn again once the change is made";

  model.Clear();
  binding.Sync();
  EXPECT_TRUE(view.items.empty());
  EXPECT_EQ(view.edits_while_redrawing, 0);
  EXPECT_TRUE(view.redrawing);

  // A tick's usual change: one title gone, one new; drawn as it happens.
  for (const char* text : {"a", "b", "c"}) model.Append(text);
  binding.Sync();
  model.RemoveAt(0);
  model.Append("d");
  view.changes = 0;
  view.edits_while_redrawing = 0;
  binding.Sync();
  EXPECT_EQ(view.items, (std::vector<std::string>{"b", "c", "d"}));
  EXPECT_EQ(view.changes, 2);
  EXPECT_EQ(view.edits_while_redrawing, 2);
}

TEST(ListBoxBinding, UserSelectionMarksOneEntryAndTheModelsMarkIsShown) {
  EntryList model;
  for (const char* text : {"a", "b", "c"}) model.Append(text);
  RecordingListBox view;
  ListBoxBinding binding(model, view, true);
  binding.Sync();

  view.selection = 2;
  binding.OnUserSelection(2);
  EXPECT_TRUE(model.IsSelected(2));
  view.selection = 0;
  binding.OnUserSelection(0);
  EXPECT_TRUE(model.IsSelected(0));
  EXPECT_FALSE(model.IsSelected(2)) << "one selected entry at a time";
  view.changes = 0;
  binding.Sync();
  EXPECT_EQ(view.changes, 0) << "the list box already shows the mark";

  // A command clears the mark: the list box follows.
  model.SetSelected(0, false);
  binding.Sync();
  EXPECT_EQ(view.selection, -1);
}

TEST(ListBoxBinding, ALogListKeepsItsOwnSelection) {
  EntryList model;
  model.Append("line");
  RecordingListBox view;
  ListBoxBinding binding(model, view, false);
  binding.Sync();
  view.selection = 0;
  binding.OnUserSelection(0);
  EXPECT_FALSE(model.IsSelected(0));
  binding.Sync();
  EXPECT_EQ(view.selection, 0);
}

}  // namespace
}  // namespace hushwall
