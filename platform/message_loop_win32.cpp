#include "platform/message_loop_win32.h"

#include <algorithm>
#include <vector>

namespace hushwall {
namespace {
std::vector<HWND>& DialogWindows() {
  static std::vector<HWND> windows;
  return windows;
}
}  // namespace

void AddDialogWindow(HWND window) {
  auto& windows = DialogWindows();
  if (std::find(windows.begin(), windows.end(), window) == windows.end()) windows.push_back(window);
}

void RemoveDialogWindow(HWND window) { std::erase(DialogWindows(), window); }

bool TranslateDialogMessage(MSG& message) {
  for (HWND window : DialogWindows()) {
    if (!IsWindow(window) || (message.hwnd != window && !IsChild(window, message.hwnd))) continue;
    // A hidden window can still be active (the tray menu makes it so): its keys
    // would work controls the user cannot see, so they are dropped.
    if (!IsWindowVisible(window)) return message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST;
    return IsDialogMessageA(window, &message);
  }
  return false;
}

int RunMessageLoop() {
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (TranslateDialogMessage(message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace hushwall
