#include "engine/engine.h"

#include <climits>
#include <string>

namespace hushwall {
namespace {

constexpr std::uint32_t kMaximizeBox = 1u << 16;  // WS_MAXIMIZEBOX
constexpr std::uint32_t kMinimizeBox = 1u << 17;  // WS_MINIMIZEBOX
constexpr std::uint32_t kDialogFrame = 1u << 22;  // WS_DLGFRAME: the title bar test

// Sets a flag for the length of a judgement.
class FlagGuard {
 public:
  explicit FlagGuard(bool& flag) : flag_(flag) { flag_ = true; }
  ~FlagGuard() { flag_ = false; }

 private:
  bool& flag_;
};

template <void (DesktopReader::*Visit)(WindowHandle)>
void VisitWindow(void* reader, WindowHandle window) {
  (static_cast<DesktopReader*>(reader)->*Visit)(window);
}

}  // namespace

bool IsBrowserTitle(std::string_view title) {
  return title.find("Opera") != std::string_view::npos ||
         title.find("Netscape") != std::string_view::npos ||
         title.find("Internet Explorer") != std::string_view::npos;
}

// A character that does not fit whole is left out of a copy, so a cut copy can end
// as many bytes short of its limit as the code page's longest character takes, less
// one (3 in UTF-8).
namespace {
bool CopyMayBeCut(int copied, int limit, int max_char_bytes) {
  return copied >= limit - (max_char_bytes > 1 ? max_char_bytes : 1);
}
}  // namespace

// One read is enough when the copy left room to spare. Otherwise the title may have
// been cut, so its length decides the second read; the copy is limited to that
// length, so a title that grows in between is cut, never overrun.
std::string_view TitleReader::Read(WindowSystem& desktop, WindowHandle window) {
  constexpr int kLimit = BlockingEngine::kTitleReadLimit;
  const int copied = Copy(desktop, window, kLimit);
  if (copied <= 0) return {};
  if (!CopyMayBeCut(copied, kLimit, desktop.MaxCharBytes())) return {buffer_.data(), static_cast<std::size_t>(copied)};
  const int length = desktop.TitleLength(window);
  if (length == copied) return {buffer_.data(), static_cast<std::size_t>(copied)};
  if (length <= 0 || length == INT_MAX) return {};
  const int again = Copy(desktop, window, length + 1);
  if (again <= 0) return {};
  return {buffer_.data(), static_cast<std::size_t>(again < length ? again : length)};
}

int TitleReader::Copy(WindowSystem& desktop, WindowHandle window, int limit) {
  if (buffer_.size() < static_cast<std::size_t>(limit)) buffer_.resize(limit);
  const int copied = desktop.CopyTitle(window, buffer_.data(), limit);
  return copied < limit ? copied : limit - 1;
}

void TitleReader::ReleaseHugeBuffer() {
  if (buffer_.capacity() <= kKeptBuffer) return;
  buffer_.clear();
  buffer_.shrink_to_fit();
}

// The titles of one crowd of huge titles are not kept for good either.
void DesktopSnapshot::Clear() {
  entries_.clear();
  if (titles_.capacity() > kKeptTitles) std::string().swap(titles_);
  titles_.clear();
}

void DesktopSnapshot::Add(WindowHandle handle, std::string_view title, std::uint32_t style) {
  entries_.push_back({handle, style, titles_.size(), title.size()});
  titles_ += title;
}

DesktopSnapshot::Window DesktopSnapshot::At(int index) const {
  const Entry& entry = entries_[static_cast<std::size_t>(index)];
  return {entry.handle, entry.style, std::string_view(titles_).substr(entry.start, entry.length)};
}

void DesktopReader::Read(DesktopSnapshot& snapshot, const std::atomic<bool>* stop) {
  snapshot.Clear();
  snapshot_ = &snapshot;
  stop_ = stop;
  desktop_.ForEachTopLevelWindow(VisitWindow<&DesktopReader::ReadOne>, this);
  titles_.ReleaseHugeBuffer();
}

void DesktopReader::CloseBrowserWindows(const std::atomic<bool>* stop) {
  stop_ = stop;
  desktop_.ForEachTopLevelWindow(VisitWindow<&DesktopReader::CloseOne>, this);
  titles_.ReleaseHugeBuffer();
}

void DesktopReader::ReadOne(WindowHandle window) {
  if (stop_ && stop_->load(std::memory_order_relaxed)) return;
  const std::string_view title = titles_.Read(desktop_, window);
  if (IsBrowserTitle(title)) snapshot_->Add(window, title, desktop_.StyleWord(window));
}

void DesktopReader::CloseOne(WindowHandle window) {
  if (stop_ && stop_->load(std::memory_order_relaxed)) return;
  if (IsBrowserTitle(titles_.Read(desktop_, window))) desktop_.PostCloseRequest(window);
}

BlockingEngine::BlockingEngine(BlockingState& state, WindowSystem& desktop, AlertSound& sound,
                               LogClock& clock, BlockListener& listener)
    : state_(state), desktop_(desktop), sound_(sound), clock_(clock), listener_(listener), reader_(desktop) {}

BlockingEngine::~BlockingEngine() {
  if (sound_started_) sound_.StopPlaying();
}

void BlockingEngine::Tick() {
  if (judging_) return;  // the snapshot is still being judged
  reader_.Read(snapshot_);
  Judge(snapshot_);
}

void BlockingEngine::Judge(const DesktopSnapshot& snapshot) {
  if (judging_) return;
  FlagGuard guard(judging_);
  stopped_ = false;
  PruneSeenList();
  EntryList& seen = state_.SeenList();
  for (int index = 0; index < snapshot.Count() && !stopped_; ++index) {
    const DesktopSnapshot::Window window = snapshot.At(index);
    ApplyBlockRules(window.handle, window.title, window.style);
    if (!stopped_ && !seen.Contains(window.title)) seen.Append(window.title);
  }
}

void BlockingEngine::CloseAllBrowserWindows() { reader_.CloseBrowserWindows(); }

void BlockingEngine::StopSound() { sound_.StopPlaying(); }

void BlockingEngine::PruneSeenList() { state_.SeenList().RemoveUnselected(); }

void BlockingEngine::BlockAlert() {
  if (state_.PlaySound()) {
    play_flags_ = kPlayFlags;
    PlayResourceSound(kSoundName, kSoundType);
  } else {
    sound_.StopPlaying();
  }
}

void BlockingEngine::PlayResourceSound(const char* name, const char* type) {
  std::vector<std::uint8_t>& bytes = sound_buffer_.Idle();
  if (!sound_.LoadResource(name, type, bytes) || bytes.empty()) {
    sound_.ReportCannotPlay();
    return;
  }
  sound_.PlayMemory(bytes.data(), play_flags_);
  sound_buffer_.Swap();
  sound_started_ = true;
}

// The style rule runs once for every remove-list entry the title does not match, so
// an empty remove list closes nothing and a window can be closed several times.
// The style word is the one the walk read: reading it per entry made a tick cost grow
// with the list's length, and a window that closed itself during the pass read as
// style 0, failing the rule for every entry left. A window that is gone is not
// blocked again.
void BlockingEngine::ApplyBlockRules(WindowHandle window, std::string_view title, std::uint32_t style) {
  const EntryList& removes = state_.RemoveList();
  const int count = removes.Count();
  // Count() is asked again because a message box inside an alert lets the user
  // change the list while the pass runs.
  for (int index = 0; index < count && index < removes.Count() && !stopped_; ++index) {
    if (!IsOn(state_.Flags().StereotypeWindows)) continue;
    const bool listed = removes.At(index) == title;
    if (!listed && !FailsActiveStyleRule(style)) continue;
    if (!desktop_.WindowExists(window)) return;
    if (listed) {
      LoggedBlock(window, title);
    } else {
      SilentBlock(window);
    }
  }
}

// Only the first style rule that is on applies.
bool BlockingEngine::FailsActiveStyleRule(std::uint32_t style) const {
  const RuleFlags& flags = state_.Flags();
  std::uint32_t required = 0;
  if (IsOn(flags.NoMaxButton)) {
    required = kMaximizeBox;
  } else if (IsOn(flags.NoMinButton)) {
    required = kMinimizeBox;
  } else if (IsOn(flags.NoTitleBar)) {
    required = kDialogFrame;
  } else {
    return false;
  }
  return (style & required) == 0;
}

void BlockingEngine::SilentBlock(WindowHandle window) {
  BlockAlert();
  desktop_.PostCloseRequest(window);
  state_.RaiseBlockedCount();
}

void BlockingEngine::LoggedBlock(WindowHandle window, std::string_view title) {
  SilentBlock(window);
  std::string line = clock_.Now();
  line += ' ';
  line += title;
  state_.AppendLogLine(line);
  listener_.OnLoggedBlock();
}

}  // namespace hushwall
