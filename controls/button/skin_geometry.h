#pragma once
// Where the pieces of a button come from in its skin: five frames side by side, each
// cut into a middle, four edges and four corners.
#include <cstdint>
#include <vector>

#include "controls/button/button_types.h"

namespace hushwall {

// Ws / 5, rounded half to even.
std::int32_t FrameWidth(std::int32_t skin_width);

// The columns [start, end) of the frame of a state.
struct FrameColumns {
  std::int32_t start = 0;  // S
  std::int32_t end = 0;    // R
};
FrameColumns FrameOf(std::int32_t frame_width, std::int32_t state);

enum class PieceMethod { kTiled, kSolidFill, kKeyedCopy };

// One entry of the assembly list. A solid fill has no source rectangle; its colour
// is the skin pixel at FillColourPixel.
struct SkinPiece {
  Rect destination;
  Rect source;
  PieceMethod method = PieceMethod::kTiled;

  friend bool operator==(const SkinPiece&, const SkinPiece&) = default;
};

struct SkinLayout {
  std::int32_t skin_width = 0;   // Ws
  std::int32_t skin_height = 0;  // Hs
  std::int32_t corner_width = 3;   // CW
  std::int32_t corner_height = 3;  // CH
  std::int32_t state = kNormal;
  std::int32_t width = 0;   // W, the button
  std::int32_t height = 0;  // H
  bool fill_with_color = true;
};

// The nine pieces in painting order; only the middle when CW or CH is not positive.
// Throws ControlError 6 when an extent leaves the 32-bit range.
std::vector<SkinPiece> SkinPieces(const SkinLayout& layout);

struct PixelPosition {
  std::int32_t x = 0;
  std::int32_t y = 0;
  friend bool operator==(const PixelPosition&, const PixelPosition&) = default;
};
// The skin pixel whose colour fills the middle: one right of and below the top-left
// corner of the state's middle area.
PixelPosition FillColourPixel(const SkinLayout& layout);

// Swaps left/right and top/bottom where they are inverted.
Rect Normalised(Rect rect);

}  // namespace hushwall
