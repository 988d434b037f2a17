#pragma once
// Top-level windows owned by a thread of their own, each counting the WM_CLOSE
// messages it receives and staying open.
#include <windows.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace hushwall::test {

class WindowThread {
 public:
  struct Window {
    std::string title;
    DWORD style;  // without WS_VISIBLE the window is hidden
  };
  // Creates the windows on the own desktop (see UseOwnDesktop) and waits for them.
  explicit WindowThread(std::vector<Window> windows);
  WindowThread(const WindowThread&) = delete;
  WindowThread& operator=(const WindowThread&) = delete;
  ~WindowThread();

  HWND Handle(std::size_t index) const { return handles_[index]; }
  int Closes(std::size_t index) const { return closes_[index]; }
  // A round trip through the thread's queue: everything posted before is handled.
  void Flush() const;

 private:
  static constexpr UINT kFlushMessage = WM_APP;
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  void Run();

  std::vector<Window> windows_;
  std::vector<std::atomic<int>> closes_;
  std::vector<HWND> handles_;
  std::atomic<bool> ready_{false};
  std::atomic<DWORD> thread_id_{0};
  std::thread thread_;
};

}  // namespace hushwall::test
