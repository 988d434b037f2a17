#include "platform/secondary_window_win32.h"

namespace hushwall {

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
  }
  return Window::HandleMessage(message, wparam, lparam);
}

}  // namespace hushwall
