#pragma once
// The blocking engine: the scan tick over the desktop's top-level windows, the block
// rules and the close action, the alert sound and closing all browser windows.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "engine/blocking_state.h"
#include "engine/ports.h"

namespace hushwall {

// Case-sensitive: "Opera", "Netscape" or "Internet Explorer" anywhere in the title.
bool IsBrowserTitle(std::string_view title);

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

  // One tick of the scan timer: PruneSeenList, then InspectWindow for every window.
  void Tick();
  // Posts a close request to every browser window; touches no list, count or flag.
  void CloseAllBrowserWindows();
  bool Walking() const { return walking_; }
  void StopSound();

  void PruneSeenList();
  void InspectWindow(WindowHandle window);
  void CloseBrowserWindow(WindowHandle window);
  void BlockAlert();
  void PlayResourceSound(const char* name, const char* type);

 private:
  static constexpr std::size_t kKeptTitleBuffer = 64 * 1024;
  std::string_view ReadTitle(WindowHandle window);
  // Reads into the kept buffer, grown to `limit` first; returns the count copied.
  int CopyTitle(WindowHandle window, int limit);
  void ReleaseHugeTitleBuffer();
  void ApplyBlockRules(WindowHandle window, std::string_view title);
  // `style` caches the window's style word for the pass: read when first needed.
  bool FailsActiveStyleRule(WindowHandle window, std::optional<std::uint32_t>& style);
  void SilentBlock(WindowHandle window);
  void LoggedBlock(WindowHandle window, std::string_view title);

  BlockingState& state_;
  WindowSystem& desktop_;
  AlertSound& sound_;
  LogClock& clock_;
  BlockListener& listener_;

  std::vector<char> title_buffer_;  // reused, so a quiet tick needs no new memory
  SoundBuffer sound_buffer_;
  unsigned play_flags_ = kPlayFlags;
  bool sound_started_ = false;
  // Messages handled inside a walk (a modal message box's loop in an alert, or the
  // desktop answering sent messages) can ask for the next tick while this one is
  // still walking; that tick is skipped.
  bool walking_ = false;
  bool close_all_waiting_ = false;
};

}  // namespace hushwall
