#pragma once
// Small value types of the skinned button: colours, rectangles, the five visual
// states and the caption formats.
#include <cstdint>

namespace hushwall {

// An RGB value (red in the low byte) or, with the high bit set, system colour n as
// 0x80000000 + n.
using Colour = std::uint32_t;
// A colour after translation: always RGB.
using Rgb = std::uint32_t;

inline constexpr Colour kMagenta = 0xFF00FF;
inline constexpr Colour kButtonFace = 0x8000000F;
inline constexpr Colour kButtonText = 0x80000012;

// Left, top, right, bottom in pixels; right and bottom exclusive.
struct Rect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;

  friend bool operator==(const Rect&, const Rect&) = default;
};

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
