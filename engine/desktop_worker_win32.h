#pragma once
// Reads the desktop on a thread of its own, so the window thread never walks it and
// answers at once however crowded the desktop is. The window thread never waits for
// it, but when it goes.
#include <windows.h>

#include <atomic>

#include "engine/engine.h"
#include "platform/handles_win32.h"

namespace hushwall {

class DesktopWorker {
 public:
  // Each snapshot is announced by posting `message` to `window`.
  DesktopWorker(WindowSystem& desktop, HWND window, UINT message);
  // Ends the walk at its next window and waits for the thread, answering messages
  // sent meanwhile.
  ~DesktopWorker();
  DesktopWorker(const DesktopWorker&) = delete;
  DesktopWorker& operator=(const DesktopWorker&) = delete;

  // Starts a walk. From then until its message arrives the snapshot is the worker's;
  // from the message until the next request it is the window thread's.
  void RequestSnapshot();
  // Starts a walk that posts a close request to every browser window.
  void RequestCloseAll();
  const DesktopSnapshot& Snapshot() const { return snapshot_; }

 private:
  enum Request : unsigned { kSnapshot = 1, kCloseAll = 2 };
  static DWORD WINAPI ThreadStart(void* worker);
  void Ask(Request request);
  void Serve();
  void Work(unsigned requests);

  DesktopReader reader_;
  DesktopSnapshot snapshot_;
  HWND window_;
  UINT message_;
  std::atomic<unsigned> requests_{0};
  std::atomic<bool> stop_{false};
  KernelHandle wake_;
  KernelHandle thread_;
};

}  // namespace hushwall
