#pragma once
// The real desktop: user32's top-level windows.
#include <windows.h>

#include "engine/ports.h"

namespace hushwall {

// Window handles are 32-bit values, also in 64-bit processes.
inline HWND ToHwnd(WindowHandle window) {
  return reinterpret_cast<HWND>(static_cast<UINT_PTR>(window));
}
inline WindowHandle FromHwnd(HWND window) {
  return static_cast<WindowHandle>(reinterpret_cast<UINT_PTR>(window));
}

class Win32Desktop : public WindowSystem {
 public:
  void ForEachTopLevelWindow(Visitor visit, void* context) override;
  int TitleLength(WindowHandle window) override;
  int CopyTitle(WindowHandle window, char* buffer, int limit) override;
  std::uint32_t StyleWord(WindowHandle window) override;
  void PostCloseRequest(WindowHandle window) override;
};

}  // namespace hushwall
