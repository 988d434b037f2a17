#pragma once
// Waiting in Windows tests: dispatch this thread's messages until a condition holds
// or a deadline passes. Never a fixed sleep.
#include <windows.h>

#include "platform/message_loop_win32.h"

namespace hushwall::test {

// As the program's loop does: dialog navigation keys first.
inline void DispatchWaitingMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (TranslateDialogMessage(message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

// Returns whether `done()` held before `timeout_ms` passed.
template <typename Condition>
bool PumpUntil(Condition done, DWORD timeout_ms = 5000) {
  const DWORD start = GetTickCount();
  for (;;) {
    DispatchWaitingMessages();
    if (done()) return true;
    const DWORD waited = GetTickCount() - start;
    if (waited >= timeout_ms) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, timeout_ms - waited < 20 ? timeout_ms - waited : 20, QS_ALLINPUT);
  }
}

}  // namespace hushwall::test
