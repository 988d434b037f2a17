#pragma once
// A simulated desktop and recording sound, clock and listener, so the blocking
// engine can run without a window system. Header-only: the benchmark uses it too.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "engine/blocking_state.h"
#include "engine/engine.h"
#include "engine/ports.h"

namespace hushwall::sim {

constexpr std::uint32_t kBorder = 0x00800000;
constexpr std::uint32_t kDialogFrame = 0x00400000;
constexpr std::uint32_t kMinimizeBox = 0x00020000;
constexpr std::uint32_t kMaximizeBox = 0x00010000;
constexpr std::uint32_t kOverlappedWindow = 0x00CF0000;  // caption, frame, both boxes

struct Window {
  WindowHandle handle = 0;
  std::string title;
  std::uint32_t style = kOverlappedWindow;
  bool alive = true;
};

class Desktop : public WindowSystem {
 public:
  WindowHandle Add(std::string title, std::uint32_t style = kOverlappedWindow) {
    const WindowHandle handle = kFirstHandle + 4 * WindowHandle(windows_.size());
    windows_.push_back({handle, std::move(title), style, true});
    return handle;
  }
  Window& Get(WindowHandle handle) { return windows_.at((handle - kFirstHandle) / 4); }
  // A destroyed window keeps its place in the walk but has no title and style 0.
  void Destroy(WindowHandle handle) { Get(handle).alive = false; }

  int CloseRequestsTo(WindowHandle handle) const {
    return int(std::count(posted.begin(), posted.end(), handle));
  }

  void ForEachTopLevelWindow(Visitor visit, void* context) override {
    for (std::size_t index = 0; index < windows_.size(); ++index)
      visit(context, windows_[index].handle);
  }
  int TitleLength(WindowHandle handle) override {
    Window& window = Get(handle);
    ++title_calls;
    const int length = window.alive ? int(window.title.size()) : 0;
    if (after_title_length) after_title_length(window);
    return length;
  }
  int CopyTitle(WindowHandle handle, char* buffer, int limit) override {
    Window& window = Get(handle);
    ++title_calls;
    if (limit <= 0) return 0;
    int copied = window.alive ? std::min(int(window.title.size()), limit - 1) : 0;
    if (copied < int(window.title.size())) copied -= std::min(copied, cut_short);
    std::memcpy(buffer, window.title.data(), copied);
    buffer[copied] = '\0';
    if (after_copy_title) after_copy_title(window);
    return copied;
  }
  std::uint32_t StyleWord(WindowHandle handle) override {
    Window& window = Get(handle);
    ++style_reads;
    if (before_style_read) before_style_read(window);
    return window.alive ? window.style : 0;
  }
  void PostCloseRequest(WindowHandle handle) override {
    posted.push_back(handle);
    if (on_close_request) on_close_request(Get(handle));
  }
  bool WindowExists(WindowHandle handle) override { return Get(handle).alive; }
  int MaxCharBytes() override { return max_char_bytes; }
  int max_char_bytes = 2, cut_short = 0;  // a cut copy leaves out a character cut_short bytes long

  std::vector<WindowHandle> posted;  // close requests, in order
  int style_reads = 0;
  int title_calls = 0;  // title lengths asked and titles copied
  // Hooks that change a window while the engine looks at it.
  std::function<void(Window&)> after_title_length;
  std::function<void(Window&)> after_copy_title;
  std::function<void(Window&)> before_style_read;
  std::function<void(Window&)> on_close_request;

 private:
  static constexpr WindowHandle kFirstHandle = 0x1000;
  std::vector<Window> windows_;
};

// Records what the engine asks of the sound, and checks that the bytes of the sound
// still playing are never touched before the next one has started.
class Sound : public AlertSound {
 public:
  bool LoadResource(const char* name, const char* type, std::vector<std::uint8_t>& bytes) override {
    events.push_back(std::string("load ") + name + "/" + type);
    if (!resource_present) return false;
    CheckPlayingBytes();
    ++loads_;
    bytes.assign(906, std::uint8_t(loads_));  // every load different, to catch overwrites
    CheckPlayingBytes();
    return true;
  }
  void PlayMemory(const std::uint8_t* image, unsigned flags) override {
    CheckPlayingBytes();
    events.push_back("play " + std::to_string(flags));
    playing_ = image;
    playing_copy_.assign(image, image + 906);
  }
  void StopPlaying() override {
    events.push_back("stop");
    playing_ = nullptr;
  }
  void ReportCannotPlay() override {
    events.push_back("report");
    if (on_report) on_report();
  }

  int Count(const std::string& event) const {
    return int(std::count(events.begin(), events.end(), event));
  }

  bool resource_present = true;
  int damaged_playing_sounds = 0;
  std::vector<std::string> events;
  std::function<void()> on_report;  // what the user does while the message box is up

 private:
  void CheckPlayingBytes() {
    if (playing_ && std::memcmp(playing_, playing_copy_.data(), playing_copy_.size()) != 0) {
      ++damaged_playing_sounds;
    }
  }
  const std::uint8_t* playing_ = nullptr;
  std::vector<std::uint8_t> playing_copy_;
  int loads_ = 0;
};

class Clock : public LogClock {
 public:
  std::string Now() override { return "1/2/2024 3:04:0" + std::to_string(calls++ % 10) + " PM"; }
  int calls = 0;
};

class Listener : public BlockListener {
 public:
  void OnLoggedBlock() override { ++logged_blocks; }
  int logged_blocks = 0;
};

// Everything an engine needs, wired together.
struct Rig {
  BlockingState state;
  Desktop desktop;
  Sound sound;
  Clock clock;
  Listener listener;
  BlockingEngine engine{state, desktop, sound, clock, listener};

  std::vector<std::string> Seen() const { return Entries(state.SeenList()); }
  std::vector<std::string> Log() const { return Entries(state.BlockedLog()); }
  static std::vector<std::string> Entries(const EntryList& list) {
    std::vector<std::string> entries;
    for (int index = 0; index < list.Count(); ++index) entries.push_back(list.At(index));
    return entries;
  }
};

}  // namespace hushwall::sim
