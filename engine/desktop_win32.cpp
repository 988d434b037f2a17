#include "engine/desktop_win32.h"

#include <windows.h>

namespace hushwall {
namespace {

// A walk over a crowded desktop can outlast a tick's period, and a program that sends
// this thread a message waits for it: sent messages are answered between two windows
// this often. Posted ones (input, timers) wait for the walk's end.
constexpr DWORD kAnswerSentEveryMs = 20;

struct Walk {
  WindowSystem::Visitor visit;
  void* context;
  DWORD answered_at;
};

void AnswerSentMessages(Walk& walk) {
  const DWORD now = GetTickCount();
  if (now - walk.answered_at < kAnswerSentEveryMs) return;
  walk.answered_at = now;
  MSG message;
  PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
}

BOOL CALLBACK VisitOne(HWND window, LPARAM walk_address) {
  Walk& walk = *reinterpret_cast<Walk*>(walk_address);
  AnswerSentMessages(walk);
  walk.visit(walk.context, FromHwnd(window));
  return TRUE;
}

}  // namespace

void Win32Desktop::ForEachTopLevelWindow(Visitor visit, void* context) {
  Walk walk{visit, context, GetTickCount()};
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
