#pragma once
// Mouse buttons and modifier keys as the controls' events report them.
#include <windows.h>

#include <cstdint>

namespace hushwall {

inline constexpr std::int16_t kLeftButton = 1;
inline constexpr std::int16_t kRightButton = 2;
inline constexpr std::int16_t kMiddleButton = 4;

// Shift, Ctrl and Alt as the bits 1, 2 and 4.
inline std::int16_t ShiftState() {
  std::int16_t shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= 1;
  if (GetKeyState(VK_CONTROL) < 0) shift |= 2;
  if (GetKeyState(VK_MENU) < 0) shift |= 4;
  return shift;
}

// The mouse buttons held during a move, as bits 1 (left), 2 (right), 4 (middle).
inline std::int16_t HeldButtons(WPARAM wparam) {
  std::int16_t held = 0;
  if (wparam & MK_LBUTTON) held |= kLeftButton;
  if (wparam & MK_RBUTTON) held |= kRightButton;
  if (wparam & MK_MBUTTON) held |= kMiddleButton;
  return held;
}

}  // namespace hushwall
