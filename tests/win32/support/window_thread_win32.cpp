#include "window_thread_win32.h"

#include "test_desktop_win32.h"

namespace hushwall::test {

WindowThread::WindowThread(std::vector<Window> windows)
    : windows_(std::move(windows)), closes_(windows_.size()) {
  thread_ = std::thread([this] { Run(); });
  while (!ready_) Sleep(1);
}

WindowThread::~WindowThread() {
  PostThreadMessageA(thread_id_, WM_QUIT, 0, 0);
  thread_.join();
}

// Sent messages overtake posted ones: the thread empties its queue before it answers.
void WindowThread::Flush() const { SendMessageA(handles_.front(), kFlushMessage, 0, 0); }

LRESULT CALLBACK WindowThread::Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* self = reinterpret_cast<WindowThread*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (message == WM_CLOSE && self) {
    for (std::size_t index = 0; index < self->handles_.size(); ++index) {
      if (self->handles_[index] == window) ++self->closes_[index];
    }
    return 0;
  }
  if (message == kFlushMessage) {
    MSG posted;
    while (PeekMessageA(&posted, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&posted);
    return 0;
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

void WindowThread::Run() {
  thread_id_ = GetCurrentThreadId();
  UseOwnDesktop();
  WNDCLASSA window_class{};
  window_class.lpfnWndProc = Procedure;
  window_class.hInstance = GetModuleHandleA(nullptr);
  window_class.lpszClassName = "HushWallTestWindow";
  RegisterClassA(&window_class);
  for (const Window& wanted : windows_) {
    HWND window =
        CreateWindowExA(0, window_class.lpszClassName, wanted.title.c_str(), wanted.style, 0, 0,
                        200, 100, nullptr, nullptr, window_class.hInstance, nullptr);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    handles_.push_back(window);
  }
  MSG message;
  PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);  // the queue exists before anyone posts
  ready_ = true;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  for (HWND window : handles_) DestroyWindow(window);
}

}  // namespace hushwall::test
