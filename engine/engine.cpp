#include "engine/engine.h"

#include <climits>
#include <string>

namespace hushwall {
namespace {

constexpr std::uint32_t kMaximizeBox = 1u << 16;  // WS_MAXIMIZEBOX
constexpr std::uint32_t kMinimizeBox = 1u << 17;  // WS_MINIMIZEBOX
constexpr std::uint32_t kDialogFrame = 1u << 22;  // WS_DLGFRAME: the title bar test

// Sets a flag for the length of a walk.
class WalkGuard {
 public:
  explicit WalkGuard(bool& walking) : walking_(walking) { walking_ = true; }
  ~WalkGuard() { walking_ = false; }

 private:
  bool& walking_;
};

template <void (BlockingEngine::*Visit)(WindowHandle)>
void VisitWindow(void* engine, WindowHandle window) {
  (static_cast<BlockingEngine*>(engine)->*Visit)(window);
}

}  // namespace

bool IsBrowserTitle(std::string_view title) {
  return title.find("Opera") != std::string_view::npos ||
         title.find("Netscape") != std::string_view::npos ||
         title.find("Internet Explorer") != std::string_view::npos;
}

BlockingEngine::BlockingEngine(BlockingState& state, WindowSystem& desktop, AlertSound& sound,
                               LogClock& clock, BlockListener& listener)
    : state_(state), desktop_(desktop), sound_(sound), clock_(clock), listener_(listener) {}

BlockingEngine::~BlockingEngine() {
  if (sound_started_) sound_.StopPlaying();
}

void BlockingEngine::Tick() {
  if (walking_) return;
  {
    WalkGuard guard(walking_);
    PruneSeenList();
    desktop_.ForEachTopLevelWindow(VisitWindow<&BlockingEngine::InspectWindow>, this);
  }
  if (close_all_waiting_) CloseAllBrowserWindows();
  ReleaseHugeTitleBuffer();
}

// The buffer is kept between ticks for ordinary titles only: one huge title, of a
// window that may be long gone, would otherwise hold its memory for good.
void BlockingEngine::ReleaseHugeTitleBuffer() {
  if (title_buffer_.capacity() <= kKeptTitleBuffer) return;
  title_buffer_.clear();
  title_buffer_.shrink_to_fit();
}

// Asked for by a message handled inside a walk, the close waits for the walk's end
// instead of being lost; asked for inside its own walk, that walk answers it.
void BlockingEngine::CloseAllBrowserWindows() {
  if (walking_) {
    close_all_waiting_ = true;
    return;
  }
  {
    WalkGuard guard(walking_);
    desktop_.ForEachTopLevelWindow(VisitWindow<&BlockingEngine::CloseBrowserWindow>, this);
  }
  close_all_waiting_ = false;
  ReleaseHugeTitleBuffer();
}

void BlockingEngine::StopSound() { sound_.StopPlaying(); }

void BlockingEngine::PruneSeenList() { state_.SeenList().RemoveUnselected(); }

void BlockingEngine::InspectWindow(WindowHandle window) {
  const std::string_view title = ReadTitle(window);
  if (!IsBrowserTitle(title)) return;
  ApplyBlockRules(window, title);
  EntryList& seen = state_.SeenList();
  if (!seen.Contains(title)) seen.Append(title);
}

void BlockingEngine::CloseBrowserWindow(WindowHandle window) {
  if (IsBrowserTitle(ReadTitle(window))) desktop_.PostCloseRequest(window);
}

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
std::string_view BlockingEngine::ReadTitle(WindowHandle window) {
  const int copied = CopyTitle(window, kTitleReadLimit);
  if (copied <= 0) return {};
  if (!CopyMayBeCut(copied, kTitleReadLimit, desktop_.MaxCharBytes())) return {title_buffer_.data(), static_cast<std::size_t>(copied)};
  const int length = desktop_.TitleLength(window);
  if (length == copied) return {title_buffer_.data(), static_cast<std::size_t>(copied)};
  if (length <= 0 || length == INT_MAX) return {};
  const int again = CopyTitle(window, length + 1);
  if (again <= 0) return {};
  return {title_buffer_.data(), static_cast<std::size_t>(again < length ? again : length)};
}

int BlockingEngine::CopyTitle(WindowHandle window, int limit) {
  if (title_buffer_.size() < static_cast<std::size_t>(limit)) title_buffer_.resize(limit);
  const int copied = desktop_.CopyTitle(window, title_buffer_.data(), limit);
  return copied < limit ? copied : limit - 1;
}

// The style rule runs once for every remove-list entry the title does not match, so
// an empty remove list closes nothing and a window can be closed several times.
// The style word is read at most once per window and pass: reading it per entry made
// a tick cost grow with the list's length, and a window that closed itself during
// the pass read as style 0, failing the rule for every entry left. A window that is
// gone is not blocked again.
void BlockingEngine::ApplyBlockRules(WindowHandle window, std::string_view title) {
  const EntryList& removes = state_.RemoveList();
  const int count = removes.Count();
  std::optional<std::uint32_t> style;
  // Count() is asked again because a message box inside an alert lets the user
  // change the list while the pass runs.
  for (int index = 0; index < count && index < removes.Count(); ++index) {
    if (!IsOn(state_.Flags().StereotypeWindows)) continue;
    const bool listed = removes.At(index) == title;
    if (!listed && !FailsActiveStyleRule(window, style)) continue;
    if (!desktop_.WindowExists(window)) return;
    if (listed) {
      LoggedBlock(window, title);
    } else {
      SilentBlock(window);
    }
  }
}

// Only the first style rule that is on applies.
bool BlockingEngine::FailsActiveStyleRule(WindowHandle window, std::optional<std::uint32_t>& style) {
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
  if (!style) style = desktop_.StyleWord(window);
  return (*style & required) == 0;
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
