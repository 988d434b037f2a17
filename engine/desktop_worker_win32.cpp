#include "engine/desktop_worker_win32.h"

namespace hushwall {
namespace {

// A full queue refuses a post; the window thread would wait for this snapshot forever.
constexpr DWORD kRepostAfterMs = 20;

}  // namespace

DesktopWorker::DesktopWorker(WindowSystem& desktop, HWND window, UINT message)
    : reader_(desktop), window_(window), message_(message), wake_(CreateEventA(nullptr, FALSE, FALSE, nullptr)) {
  if (wake_) thread_.Reset(CreateThread(nullptr, 0, ThreadStart, this, 0, nullptr));
}

// Reading the title of one of this thread's own windows sends it WM_GETTEXT, so the
// wait answers sent messages.
DesktopWorker::~DesktopWorker() {
  if (!thread_) return;
  stop_ = true;
  SetEvent(wake_.Get());
  HANDLE thread = thread_.Get();
  while (MsgWaitForMultipleObjects(1, &thread, FALSE, INFINITE, QS_SENDMESSAGE) == WAIT_OBJECT_0 + 1) {
    MSG message;
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
}

void DesktopWorker::RequestSnapshot() { Ask(kSnapshot); }

void DesktopWorker::RequestCloseAll() { Ask(kCloseAll); }

// Without a thread the walk runs here: slower to answer, but blocking goes on.
void DesktopWorker::Ask(Request request) {
  if (!thread_) {
    Work(request);
    return;
  }
  requests_ |= request;
  SetEvent(wake_.Get());
}

DWORD WINAPI DesktopWorker::ThreadStart(void* worker) {
  static_cast<DesktopWorker*>(worker)->Serve();
  return 0;
}

void DesktopWorker::Serve() {
  while (WaitForSingleObject(wake_.Get(), INFINITE) == WAIT_OBJECT_0 && !stop_) Work(requests_.exchange(0));
}

void DesktopWorker::Work(unsigned requests) {
  if (requests & kCloseAll) reader_.CloseBrowserWindows(&stop_);
  if (!(requests & kSnapshot)) return;
  reader_.Read(snapshot_, &stop_);
  while (!PostMessageA(window_, message_, 0, 0) && !stop_ && IsWindow(window_)) Sleep(kRepostAfterMs);
}

}  // namespace hushwall
