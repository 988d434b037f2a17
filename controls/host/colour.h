#pragma once
// Colour values as every custom control stores them.
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

}  // namespace hushwall
