#include "engine/blocking_state.h"

#include <algorithm>
#include <functional>

namespace hushwall {
namespace {

// Enough spare texts for every browser window a busy desktop shows, without keeping
// a whole cleared log alive; a text is kept only up to an ordinary title's size, so
// huge titles do not stay in memory after their entries have gone.
constexpr std::size_t kMaxSpareStrings = 1024;
constexpr std::size_t kMaxSpareCapacity = 4096;

std::size_t HashOf(std::string_view text) { return std::hash<std::string_view>{}(text); }

}  // namespace

int EntryList::Count() const { return static_cast<int>(entries_.size()); }

const std::string& EntryList::At(int index) const { return entries_[index].text; }

bool EntryList::IsSelected(int index) const { return entries_[index].selected; }

void EntryList::SetSelected(int index, bool selected) { entries_[index].selected = selected; }

bool EntryList::Append(std::string_view text) {
  if (Count() >= kMaxEntries) return false;
  std::string stored = TakeSpareString();
  stored.assign(text);
  text_bytes_ += stored.size();
  entries_.push_back({std::move(stored), false});
  if (index_valid_) AddToIndex(Count() - 1);
  ++revision_;
  return true;
}

void EntryList::RemoveAt(int index) {
  text_bytes_ -= entries_[index].text.size();
  Recycle(std::move(entries_[index].text));
  entries_.erase(entries_.begin() + index);
  EntriesChanged();
}

void EntryList::RemoveFirst(int count) {
  if (count <= 0) return;
  const auto end = entries_.begin() + std::min(count, Count());
  for (auto entry = entries_.begin(); entry != end; ++entry) {
    text_bytes_ -= entry->text.size();
    Recycle(std::move(entry->text));
  }
  entries_.erase(entries_.begin(), end);
  EntriesChanged();
}

void EntryList::Clear() {
  if (entries_.empty()) return;
  for (Entry& entry : entries_) Recycle(std::move(entry.text));
  entries_.clear();
  text_bytes_ = 0;
  EntriesChanged();
}

void EntryList::RemoveUnselected() {
  std::size_t kept = 0;
  for (Entry& entry : entries_) {
    if (!entry.selected) {
      text_bytes_ -= entry.text.size();
      Recycle(std::move(entry.text));
    } else {
      if (&entries_[kept] != &entry) entries_[kept] = std::move(entry);
      ++kept;
    }
  }
  if (kept == entries_.size()) return;
  entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(kept), entries_.end());
  EntriesChanged();
}

bool EntryList::Contains(std::string_view text) const {
  if (entries_.empty()) return false;
  if (!index_valid_) RebuildIndex();
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t slot = HashOf(text) & mask; slots_[slot] != 0; slot = (slot + 1) & mask) {
    if (entries_[slots_[slot] - 1].text == text) return true;
  }
  return false;
}

std::uint64_t EntryList::Revision() const { return revision_; }

std::string EntryList::TakeSpareString() {
  if (spare_.empty()) return {};
  std::string text = std::move(spare_.back());
  spare_.pop_back();
  return text;
}

void EntryList::Recycle(std::string&& text) {
  if (spare_.size() < kMaxSpareStrings && text.capacity() <= kMaxSpareCapacity)
    spare_.push_back(std::move(text));
}

void EntryList::EntriesChanged() {
  index_valid_ = false;
  ++revision_;
}

void EntryList::RebuildIndex() const {
  // At most half full, so probes stay short; assign() keeps the capacity, so a list
  // that returns to its usual size needs no new memory.
  std::size_t size = 16;
  while (size < entries_.size() * 2) size *= 2;
  slots_.assign(size, 0);
  index_valid_ = true;
  for (int index = 0; index < Count(); ++index) AddToIndex(index);
}

void EntryList::AddToIndex(int index) const {
  if (static_cast<std::size_t>(Count()) * 2 > slots_.size()) {
    RebuildIndex();
    return;
  }
  // One slot per distinct text is all a lookup needs; copies of one title (the list
  // allows them) would otherwise make each insertion probe past all the others.
  const std::string& text = entries_[index].text;
  const std::size_t mask = slots_.size() - 1;
  std::size_t slot = HashOf(text) & mask;
  for (; slots_[slot] != 0; slot = (slot + 1) & mask)
    if (entries_[slots_[slot] - 1].text == text) return;
  slots_[slot] = index + 1;
}

void BlockingState::AppendLogLine(std::string_view line) {
  std::string shortened;
  if (line.size() > kLogTextBudget) {
    shortened.assign(line.substr(0, kLogTextBudget - kShortenedMark.size()));
    shortened += kShortenedMark;
    line = shortened;
  }
  int oldest_dropped = 0;
  std::size_t bytes = blocked_.TextBytes();
  while (oldest_dropped < blocked_.Count() &&
         (blocked_.Count() - oldest_dropped >= EntryList::kMaxEntries || bytes + line.size() > kLogTextBudget)) {
    bytes -= blocked_.At(oldest_dropped).size();
    ++oldest_dropped;
  }
  blocked_.RemoveFirst(oldest_dropped);
  log_lines_dropped_ += std::uint64_t(oldest_dropped);
  blocked_.Append(line);
}

}  // namespace hushwall
