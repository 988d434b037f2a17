#pragma once
// The program's one message loop. Every open window that wants keyboard navigation
// (Tab, arrows, Space on check boxes) is registered, and its keys go through
// IsDialogMessageA.
#include <windows.h>

namespace hushwall {

void AddDialogWindow(HWND window);
void RemoveDialogWindow(HWND window);

// True when the message was a navigation key of a registered window and is done,
// or a key for a registered window that is hidden, which is dropped.
bool TranslateDialogMessage(MSG& message);

// Runs until WM_QUIT; returns its exit code.
int RunMessageLoop();

}  // namespace hushwall
