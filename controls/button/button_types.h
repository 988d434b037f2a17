#pragma once
// Small value types of the skinned button: the five visual states and the caption
// formats.
#include <cstdint>

#include "controls/host/colour.h"
#include "platform/rect.h"

namespace hushwall {

enum ButtonState : std::int16_t {
  kNormal = 1,
  kFocused = 2,
  kHover = 3,
  kPressed = 4,
  kDisabled = 5,
};

// Caption format bits, with the values the platform's text drawing uses.
namespace text_format {
inline constexpr std::uint32_t kLeft = 0x0;
inline constexpr std::uint32_t kCenter = 0x1;
inline constexpr std::uint32_t kRight = 0x2;
inline constexpr std::uint32_t kVCenter = 0x4;
inline constexpr std::uint32_t kSingleLine = 0x20;
inline constexpr std::uint32_t kEndEllipsis = 0x8000;
}  // namespace text_format

}  // namespace hushwall
