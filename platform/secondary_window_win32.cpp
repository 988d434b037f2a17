#include "platform/secondary_window_win32.h"

#include "platform/message_loop_win32.h"

namespace hushwall {

// Going with the program, the window is destroyed without its handlers.
SecondaryWindow::~SecondaryWindow() {
  if (Handle()) RemoveDialogWindow(Handle());
}

void SecondaryWindow::EnableDialogKeys() { AddDialogWindow(Handle()); }

LRESULT SecondaryWindow::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wparam) == IDCANCEL && lparam == 0) {
        DestroyWindow(Handle());
        return 0;
      }
      break;
    case WM_CLOSE:
      DestroyWindow(Handle());
      return 0;
    case WM_DESTROY:
      RemoveDialogWindow(Handle());
      break;
  }
  return Window::HandleMessage(message, wparam, lparam);
}

}  // namespace hushwall
