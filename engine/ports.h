#pragma once
// What the engine needs of the platform. The Windows shell implements these with
// user32, winmm and kernel32; the tests implement them with a simulated desktop.
#include <cstdint>
#include <string>
#include <vector>

namespace hushwall {

// A window handle at the full width of the build.
using WindowHandle = std::uintptr_t;

class WindowSystem {
 public:
  using Visitor = void (*)(void* context, WindowHandle window);

  virtual ~WindowSystem() = default;
  // Visits every top-level window, hidden ones included, in the system's order.
  virtual void ForEachTopLevelWindow(Visitor visit, void* context) = 0;
  virtual int TitleLength(WindowHandle window) = 0;
  // Copies at most limit - 1 characters and a terminator; returns the count copied.
  virtual int CopyTitle(WindowHandle window, char* buffer, int limit) = 0;
  virtual std::uint32_t StyleWord(WindowHandle window) = 0;
  virtual void PostCloseRequest(WindowHandle window) = 0;
  // False once the window has been destroyed.
  virtual bool WindowExists(WindowHandle window) = 0;
  // The most bytes one character of the titles' code page takes (4 in UTF-8).
  virtual int MaxCharBytes() { return 2; }
};

class AlertSound {
 public:
  virtual ~AlertSound() = default;
  // Raw bytes of one of the program's own resources; false when it cannot be loaded.
  virtual bool LoadResource(const char* name, const char* type, std::vector<std::uint8_t>& bytes) = 0;
  // Starts playing a memory image with the given sndPlaySound flags and returns.
  virtual void PlayMemory(const std::uint8_t* image, unsigned flags) = 0;
  virtual void StopPlaying() = 0;
  // "Can't play sound", OK button, application title.
  virtual void ReportCannotPlay() = 0;
};

class LogClock {
 public:
  virtual ~LogClock() = default;
  // The user's short date, a blank, the user's long time.
  virtual std::string Now() = 0;
};

class BlockListener {
 public:
  virtual ~BlockListener() = default;
  // A window on the remove list was closed and logged; the main window animates.
  virtual void OnLoggedBlock() = 0;
};

}  // namespace hushwall
