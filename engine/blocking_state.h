#pragma once
// The blocking engine's in-memory model: three ordered lists with selection marks,
// the blocked count, the four rule flags and the play-sound option.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace hushwall {

// An ordered list of single-line ANSI texts, each with a selection mark. Indices are
// 16-bit signed in the window toolkit, so a list never holds more than kMaxEntries.
class EntryList {
 public:
  static constexpr int kMaxEntries = 32767;

  int Count() const;
  const std::string& At(int index) const;
  bool IsSelected(int index) const;
  void SetSelected(int index, bool selected);

  // Appends without looking for an equal entry; false (and no change) when full.
  bool Append(std::string_view text);
  void RemoveAt(int index);
  // Removes the first `count` entries in one step.
  void RemoveFirst(int count);
  void Clear();
  // Removes every entry without a selection mark in one pass; the others keep their order.
  void RemoveUnselected();
  // Whether an entry equals text exactly. Hashed, so it does not scan the list.
  bool Contains(std::string_view text) const;

  // Changes whenever the entries (not the marks) change, so a view can skip
  // comparing content that cannot have changed.
  std::uint64_t Revision() const;
  // The bytes of all entries' texts together.
  std::size_t TextBytes() const { return text_bytes_; }

 private:
  struct Entry {
    std::string text;
    bool selected = false;
  };
  std::string TakeSpareString();
  void Recycle(std::string&& text);
  void EntriesChanged();  // after a removal: positions shifted
  void RebuildIndex() const;
  void AddToIndex(int index) const;

  std::vector<Entry> entries_;
  // Texts of removed entries, kept for their capacity: a list that is emptied and
  // refilled every scan tick then needs no new memory.
  std::vector<std::string> spare_;
  // Open addressing over entry positions (position + 1, 0 = free slot). Built on the
  // first lookup after a removal, since removals shift positions.
  mutable std::vector<int> slots_;
  mutable bool index_valid_ = false;
  std::uint64_t revision_ = 0;
  std::size_t text_bytes_ = 0;
};

// Rule flags count as on only when they hold exactly 1.
struct RuleFlags {
  std::int16_t StereotypeWindows = 1;
  std::int16_t NoMaxButton = 1;
  std::int16_t NoMinButton = 0;
  std::int16_t NoTitleBar = 0;
};

inline bool IsOn(std::int16_t flag) { return flag == 1; }

class BlockingState {
 public:
  EntryList& SeenList() { return seen_; }
  EntryList& RemoveList() { return remove_; }
  EntryList& BlockedLog() { return blocked_; }
  const EntryList& SeenList() const { return seen_; }
  const EntryList& RemoveList() const { return remove_; }
  const EntryList& BlockedLog() const { return blocked_; }

  // The most text the blocked log holds. Other programs choose their windows'
  // titles, and every block logs one whole: without a bound a listed window with a
  // huge title, closed five times a second, would use up the address space.
  static constexpr std::size_t kLogTextBudget = 8 * 1024 * 1024;
  // Marks a line cut to the budget.
  static constexpr std::string_view kShortenedMark = " [shortened]";

  // The blocked log keeps its newest lines: when it is full, or the new line would
  // pass the text budget, the oldest lines go. A line longer than the whole budget
  // is cut to it, ending in kShortenedMark.
  void AppendLogLine(std::string_view line);
  // How many lines AppendLogLine has dropped so far.
  std::uint64_t LogLinesDropped() const { return log_lines_dropped_; }

  std::int64_t BlockedCount() const { return blocked_count_; }
  void RaiseBlockedCount() { ++blocked_count_; }

  RuleFlags& Flags() { return flags_; }
  const RuleFlags& Flags() const { return flags_; }

  bool PlaySound() const { return play_sound_; }
  void SetPlaySound(bool on) { play_sound_ = on; }

 private:
  EntryList seen_;
  EntryList remove_;
  EntryList blocked_;
  std::int64_t blocked_count_ = 0;
  std::uint64_t log_lines_dropped_ = 0;
  RuleFlags flags_;
  bool play_sound_ = true;
};

}  // namespace hushwall
