#pragma once
// A window's keyboard focus driven only by key messages through the program's
// message loop helper, as the keyboard drives it.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <set>
#include <vector>

#include "platform/window_win32.h"
#include "support/message_pump.h"

namespace hushwall::test {

// A key pressed and released on the focused control.
inline void PressKey(WPARAM key, bool shift = false) {
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  keys[VK_SHIFT] = shift ? 0x80 : 0;
  SetKeyboardState(keys);
  const LPARAM scan = LPARAM(MapVirtualKeyA(UINT(key), 0)) << 16 | 1;
  PostMessageA(GetFocus(), WM_KEYDOWN, key, scan);
  PostMessageA(GetFocus(), WM_KEYUP, key, scan | LPARAM(0xC0000000));
  DispatchWaitingMessages();
  keys[VK_SHIFT] = 0;
  SetKeyboardState(keys);
}

// The window, just shown, focuses `first`, and `second` after one Tab; a Tab cycle
// visits every visible, enabled tab stop at any depth once and Shift+Tab the same
// way back; activated again after another window, it focuses `second` again.
inline void ExpectKeyboardFocus(HWND window, HWND first, HWND second) {
  ASSERT_TRUE(PumpUntil([&] { return GetFocus() == first; }, 3000)) << "focus at opening";
  std::set<HWND> stops;
  for (HWND child : ChildWindows(window))
    if ((GetWindowLongA(child, GWL_STYLE) & WS_TABSTOP) && IsWindowVisible(child) && IsWindowEnabled(child))
      stops.insert(child);
  std::vector<HWND> forward{first}, backward{first};
  for (std::size_t i = 0; i < stops.size(); ++i) PressKey(VK_TAB), forward.push_back(GetFocus());
  for (std::size_t i = 0; i < stops.size(); ++i) PressKey(VK_TAB, true), backward.push_back(GetFocus());
  EXPECT_EQ(forward[1], second);
  EXPECT_EQ(forward.back(), first) << "a whole cycle ends where it began";
  EXPECT_EQ(std::set<HWND>(forward.begin() + 1, forward.end()), stops) << "every stop, none twice";
  EXPECT_TRUE(std::equal(backward.begin(), backward.end(), forward.rbegin())) << "Shift+Tab goes back";
  PressKey(VK_TAB);
  HWND other = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 9, 9, nullptr, nullptr, nullptr, nullptr);
  SetForegroundWindow(other);
  EXPECT_TRUE(PumpUntil([&] { return GetActiveWindow() == other && !IsChild(window, GetFocus()); }));
  SetForegroundWindow(window);
  EXPECT_TRUE(PumpUntil([&] { return GetFocus() == second; })) << "focus after re-activation";
  DestroyWindow(other);
}

}  // namespace hushwall::test
