#pragma once
// The real desktop: user32's top-level windows.
#include <windows.h>

#include "engine/ports.h"

namespace hushwall {

inline HWND ToHwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }
inline WindowHandle FromHwnd(HWND window) { return reinterpret_cast<WindowHandle>(window); }

class Win32Desktop : public WindowSystem {
 public:
  void ForEachTopLevelWindow(Visitor visit, void* context) override;
  int TitleLength(WindowHandle window) override;
  int CopyTitle(WindowHandle window, char* buffer, int limit) override;
  std::uint32_t StyleWord(WindowHandle window) override;
  void PostCloseRequest(WindowHandle window) override;
  bool WindowExists(WindowHandle window) override;
  int MaxCharBytes() override;
};

}  // namespace hushwall
