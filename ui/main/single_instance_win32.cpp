#include "ui/main/single_instance_win32.h"

#include "ui/main/main_window_layout.h"
#include "ui/main/main_window_win32.h"

namespace hushwall {
namespace {
constexpr char kInstanceName[] = "Local\\Vantel HushWall.Instance";
}  // namespace

SingleInstance::SingleInstance() : mutex_(CreateMutexA(nullptr, FALSE, kInstanceName)) {
  first_ = !(mutex_ && GetLastError() == ERROR_ALREADY_EXISTS);
}

bool SingleInstance::BringRunningInstanceForward() {
  HWND running = FindWindowA(frmMain::kClassName, kMainCaption);
  if (!running) return false;
  DWORD process = 0;
  GetWindowThreadProcessId(running, &process);
  // Only the starting process may hand the foreground on.
  AllowSetForegroundWindow(process);
  PostMessageA(running, frmMain::ShowInstanceMessage(), 0, 0);
  return true;
}

}  // namespace hushwall
