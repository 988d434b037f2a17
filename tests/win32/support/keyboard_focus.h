#pragma once
// The keyboard focus of one of the program's windows, driven only by key messages
// through the program's message loop helper, as the keyboard would drive it.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <set>
#include <vector>

#include "platform/window_win32.h"
#include "support/message_pump.h"

namespace hushwall::test {

// A key pressed and released on the focused control, Shift held or not.
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

// The focus now and after each of `presses` Tabs.
inline std::vector<HWND> TabCycle(std::size_t presses, bool shift) {
  std::vector<HWND> visited{GetFocus()};
  for (std::size_t i = 0; i < presses; ++i, visited.push_back(GetFocus())) PressKey(VK_TAB, shift);
  return visited;
}

// The window, just shown, has `first` focused and `second` after one Tab; a Tab cycle
// visits every visible, enabled tab stop at any depth once and Shift+Tab goes the
// same way back; activated again after another window, it focuses `second` again.
inline void ExpectKeyboardFocus(HWND window, HWND first, HWND second) {
  ASSERT_TRUE(PumpUntil([&] { return GetFocus() == first; }, 3000)) << "focus at opening";
  std::set<HWND> stops;
  for (HWND child : ChildWindows(window))
    if ((GetWindowLongA(child, GWL_STYLE) & WS_TABSTOP) && IsWindowVisible(child) && IsWindowEnabled(child))
      stops.insert(child);
  const std::vector<HWND> forward = TabCycle(stops.size(), false);
  EXPECT_EQ(forward[1], second);
  EXPECT_EQ(forward.back(), first) << "a whole cycle ends where it began";
  EXPECT_EQ(std::set<HWND>(forward.begin() + 1, forward.end()), stops) << "every stop, none twice";
  const std::vector<HWND> backward = TabCycle(stops.size(), true);
  EXPECT_TRUE(std::equal(backward.begin(), backward.end(), forward.rbegin())) << "Shift+Tab goes back";
  PressKey(VK_TAB);
  HWND other = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 9, 9, nullptr, nullptr, nullptr, nullptr);
  SetForegroundWindow(other);
  EXPECT_TRUE(PumpUntil([&] { return GetActiveWindow() == other && !IsChild(window, GetFocus()); }));
  SetForegroundWindow(window);
  EXPECT_TRUE(PumpUntil([&] { return GetFocus() == second; })) << "focus after re-activation";
  DestroyWindow(other);
}

// Tabs until `control` has the focus, at most once round.
inline bool TabTo(HWND control, std::size_t limit = 64) {
  for (std::size_t i = 0; i < limit && GetFocus() != control; ++i) PressKey(VK_TAB);
  return GetFocus() == control;
}

}  // namespace hushwall::test
