#pragma once
// The blocking engine: the scan tick over the desktop's top-level windows, the block
// rules and the close action, the alert sound and closing all browser windows.
#include <array>
#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/blocking_state.h"
#include "engine/ports.h"

namespace hushwall {

// Case-sensitive: "Opera", "Netscape" or "Internet Explorer" anywhere in the title.
bool IsBrowserTitle(std::string_view title);

// Reads window titles into a buffer kept between reads, so a steady walk needs no
// new memory; one reader per thread.
class TitleReader {
 public:
  std::string_view Read(WindowSystem& desktop, WindowHandle window);
  // One huge title, of a window that may be long gone, would otherwise hold its
  // memory for good.
  void ReleaseHugeBuffer();

 private:
  static constexpr std::size_t kKeptBuffer = 64 * 1024;
  // Reads into the buffer, grown to `limit` first; returns the count copied.
  int Copy(WindowSystem& desktop, WindowHandle window, int limit);

  std::vector<char> buffer_;
};

// What one walk read of the desktop: its browser windows in the walk's order, each
// with its title and style word.
class DesktopSnapshot {
 public:
  struct Window {
    WindowHandle handle;
    std::uint32_t style;
    std::string_view title;
  };
  void Clear();
  void Add(WindowHandle handle, std::string_view title, std::uint32_t style);
  int Count() const { return static_cast<int>(entries_.size()); }
  Window At(int index) const;

 private:
  static constexpr std::size_t kKeptTitles = 1024 * 1024;
  struct Entry {
    WindowHandle handle;
    std::uint32_t style;
    std::size_t start, length;
  };
  std::vector<Entry> entries_;
  std::string titles_;  // one after another, so a steady walk needs no new memory
};

// The two walks over the desktop. A set `stop` leaves the windows not yet visited
// unread.
class DesktopReader {
 public:
  explicit DesktopReader(WindowSystem& desktop) : desktop_(desktop) {}
  void Read(DesktopSnapshot& snapshot, const std::atomic<bool>* stop = nullptr);
  // Posts a close request to every browser window.
  void CloseBrowserWindows(const std::atomic<bool>* stop = nullptr);

 private:
  void ReadOne(WindowHandle window);
  void CloseOne(WindowHandle window);

  WindowSystem& desktop_;
  TitleReader titles_;
  DesktopSnapshot* snapshot_ = nullptr;
  const std::atomic<bool>* stop_ = nullptr;
};

// The sound's bytes, replaced at every play. Two slots: the next sound is loaded
// into the idle one, so the bytes of a sound still playing stay valid until the
// next start has stopped it.
class SoundBuffer {
 public:
  std::vector<std::uint8_t>& Idle() { return slots_[1 - playing_]; }
  // The idle slot now holds the playing sound.
  void Swap() { playing_ = 1 - playing_; }

 private:
  std::array<std::vector<std::uint8_t>, 2> slots_;
  int playing_ = 0;
};

class BlockingEngine {
 public:
  static constexpr unsigned kPlayFlags = 5;  // SND_ASYNC | SND_MEMORY
  static constexpr const char* kSoundName = "SOUND1";
  static constexpr const char* kSoundType = "WAVE";
  // The first read of every title asks for this many characters, terminator
  // included. Under Wine a read costs the same for any size up to a few thousand
  // and twice that at 65,536 (a wide buffer of the size asked for is made at every
  // call); 512 holds every ordinary title, and a longer one costs two reads more.
  static constexpr int kTitleReadLimit = 512;

  BlockingEngine(BlockingState& state, WindowSystem& desktop, AlertSound& sound, LogClock& clock,
                 BlockListener& listener);
  // Stops a sound still playing from this engine's buffer before the buffer goes.
  ~BlockingEngine();
  BlockingEngine(const BlockingEngine&) = delete;
  BlockingEngine& operator=(const BlockingEngine&) = delete;

  // One tick of the scan timer on this thread: a walk, then Judge.
  void Tick();
  // PruneSeenList, then the rules and the seen list for each window of the walk.
  // A message box inside an alert runs a message loop: a judgement asked for inside
  // it is skipped, and StopJudging ends this one at once.
  void Judge(const DesktopSnapshot& snapshot);
  void StopJudging() { stopped_ = true; }
  // Posts a close request to every browser window; touches no list, count or flag.
  void CloseAllBrowserWindows();
  void StopSound();

  void PruneSeenList();
  void BlockAlert();
  void PlayResourceSound(const char* name, const char* type);

 private:
  void ApplyBlockRules(WindowHandle window, std::string_view title, std::uint32_t style);
  bool FailsActiveStyleRule(std::uint32_t style) const;
  void SilentBlock(WindowHandle window);
  void LoggedBlock(WindowHandle window, std::string_view title);

  BlockingState& state_;
  WindowSystem& desktop_;
  AlertSound& sound_;
  LogClock& clock_;
  BlockListener& listener_;

  DesktopReader reader_;
  DesktopSnapshot snapshot_;
  SoundBuffer sound_buffer_;
  unsigned play_flags_ = kPlayFlags;
  bool sound_started_ = false;
  bool judging_ = false;
  bool stopped_ = false;
};

}  // namespace hushwall
