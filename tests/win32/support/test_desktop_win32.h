#pragma once
// Helpers for Windows tests that need real top-level windows: a desktop of the test
// program's own (so tests running side by side never see each other's windows),
// child processes started on that desktop, message boxes answered from a thread.
#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace hushwall::test {

// Moves the calling thread to this test program's own desktop, created on first use.
// Call it before the thread creates any window; every thread that walks or creates
// windows in a test calls it.
bool UseOwnDesktop();
const char* OwnDesktopName();

// A program started on the own desktop; terminated when this goes out of scope.
class ChildProcess {
 public:
  // program is a file name in the test program's own folder (ProgramDirectory()).
  ChildProcess(const std::string& program, const std::string& arguments);
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;
  ~ChildProcess();

  bool Started() const { return process_.hProcess != nullptr; }
  DWORD Id() const { return process_.dwProcessId; }

 private:
  PROCESS_INFORMATION process_{};
};

// A fresh empty folder under the temporary folder, removed with its files at the end.
class TempFolder {
 public:
  TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder();
  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "\\" + name; }

 private:
  std::string path_;
};

// Answers every message box with the given title that opens on the own desktop,
// from a thread of its own, and remembers what each one said.
class MessageBoxWatcher {
 public:
  struct Box {
    std::string text;
    std::vector<std::string> buttons;
  };
  explicit MessageBoxWatcher(std::string title, int answer = IDOK);
  MessageBoxWatcher(const MessageBoxWatcher&) = delete;
  MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;
  ~MessageBoxWatcher();
  std::vector<Box> Boxes() const;

 private:
  void Watch();
  void Answer(HWND box);

  const std::string title_;
  const int answer_;
  std::atomic<bool> stop_{false};
  mutable std::mutex mutex_;
  std::vector<Box> boxes_;
  std::vector<HWND> answered_;
  std::thread thread_;
};

std::string ReadWholeFile(const std::string& path);
bool WriteWholeFile(const std::string& path, const std::string& bytes);

}  // namespace hushwall::test
