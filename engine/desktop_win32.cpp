#include "engine/desktop_win32.h"

#include <windows.h>

namespace hushwall {
namespace {

struct Walk {
  WindowSystem::Visitor visit;
  void* context;
};

BOOL CALLBACK VisitOne(HWND window, LPARAM walk_address) {
  const Walk* walk = reinterpret_cast<const Walk*>(walk_address);
  walk->visit(walk->context, FromHwnd(window));
  return TRUE;
}

}  // namespace

void Win32Desktop::ForEachTopLevelWindow(Visitor visit, void* context) {
  Walk walk{visit, context};
  EnumWindows(VisitOne, reinterpret_cast<LPARAM>(&walk));
}

int Win32Desktop::TitleLength(WindowHandle window) { return GetWindowTextLengthA(ToHwnd(window)); }

int Win32Desktop::CopyTitle(WindowHandle window, char* buffer, int limit) {
  return GetWindowTextA(ToHwnd(window), buffer, limit);
}

std::uint32_t Win32Desktop::StyleWord(WindowHandle window) {
  return static_cast<std::uint32_t>(GetWindowLongA(ToHwnd(window), GWL_STYLE));
}

void Win32Desktop::PostCloseRequest(WindowHandle window) {
  PostMessageA(ToHwnd(window), WM_CLOSE, 0, 0);
}

bool Win32Desktop::WindowExists(WindowHandle window) { return IsWindow(ToHwnd(window)) != FALSE; }

int Win32Desktop::MaxCharBytes() {
  static const int bytes = [] {
    CPINFO info{};
    return GetCPInfo(CP_ACP, &info) && info.MaxCharSize > 0 ? int(info.MaxCharSize) : 2;
  }();
  return bytes;
}

}  // namespace hushwall
