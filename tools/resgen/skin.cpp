// The default button skin: five 30 x 21 button pictures side by side (normal,
// focused, hover, pressed, disabled), each with a rounded outline whose rounding
// stays inside the 3 x 3 corner pieces.
#include <algorithm>

#include "resgen.h"

namespace {

using resgen::Colour;
using resgen::Image;
using resgen::Mix;
using resgen::Pack;

constexpr int kFrameWidth = 30;
constexpr int kFrameHeight = 21;
constexpr int kFrames = 5;

constexpr Colour kBeige{236, 233, 216};  // what the corners fade to
constexpr Colour kWhite{255, 255, 255};
constexpr Colour kBlueOutline{0, 60, 116};
constexpr Colour kFaceBottom{214, 208, 197};
constexpr Colour kGreyOutline{201, 199, 186};
constexpr Colour kPaleFace{245, 244, 234};
constexpr Colour kPressedFace{226, 225, 217};

// Where a pixel of a frame lies relative to the rounded outline.
enum class Zone { kCornerOuter, kCornerEdge, kOutline, kRounding, kInside };

Zone ZoneAt(int x, int y) {
  int dx = std::min(x, kFrameWidth - 1 - x);
  int dy = std::min(y, kFrameHeight - 1 - y);
  if (dx == 0 && dy == 0) return Zone::kCornerOuter;
  if (dx + dy == 1) return Zone::kCornerEdge;
  if (dx == 1 && dy == 1) return Zone::kRounding;
  if (dx == 0 || dy == 0) return Zone::kOutline;
  return Zone::kInside;
}

// Distance of an inside pixel from the outline (1 = next to it), and whether that
// nearest side is the top, the bottom or a side.
enum class Side { kTop, kBottom, kLeftRight };
struct Depth {
  int steps;
  Side side;
};

Depth DepthAt(int x, int y) {
  int from_top = y, from_bottom = kFrameHeight - 1 - y;
  int from_side = std::min(x, kFrameWidth - 1 - x);
  int vertical = std::min(from_top, from_bottom);
  Side side = from_top <= from_bottom ? Side::kTop : Side::kBottom;
  if (from_side < vertical) return {from_side, Side::kLeftRight};
  return {vertical, side};
}

// White shading to grey-beige in the bottom inner row. The shading sits in the rows
// of the bottom edge piece: the rows between the corners are tiled, so they stay
// flat and repeat without seams at any button height.
Colour ShadedFace(int y) {
  if (y == kFrameHeight - 2) return kFaceBottom;
  if (y == kFrameHeight - 3) return Mix(kWhite, kFaceBottom, 0.4);
  return kWhite;
}

Colour PressedFace(int y) {
  if (y == 1) return Mix(kPressedFace, Colour{180, 176, 160}, 0.55);
  if (y == 2) return Mix(kPressedFace, Colour{180, 176, 160}, 0.25);
  if (y == kFrameHeight - 2) return Mix(kPressedFace, kWhite, 0.45);
  if (y == kFrameHeight - 3) return Mix(kPressedFace, kWhite, 0.2);
  return kPressedFace;
}

// A two-pixel ring inside the outline; `top_inner` is the second row at the top.
struct Ring {
  Colour top_outer, top_inner, sides, bottom;
};

constexpr Ring kFocusRing{{206, 231, 255}, {206, 231, 255}, {139, 175, 229}, {105, 130, 238}};
constexpr Ring kHoverRing{{255, 240, 207}, {253, 216, 137}, {252, 202, 105}, {229, 151, 0}};

Colour RingOrFace(int x, int y, const Ring* ring, Colour face) {
  if (!ring) return face;
  Depth depth = DepthAt(x, y);
  if (depth.steps > 2) return face;
  switch (depth.side) {
    case Side::kTop:
      return depth.steps == 1 ? ring->top_outer : ring->top_inner;
    case Side::kBottom:
      return ring->bottom;
    case Side::kLeftRight:
      return ring->sides;
  }
  return face;
}

struct FrameStyle {
  Colour outline;
  const Ring* ring;
  Colour (*face)(int y);
};

Colour PaleFace(int) { return kPaleFace; }

void PaintFrame(Image& image, int frame, const FrameStyle& style) {
  for (int y = 0; y < kFrameHeight; ++y) {
    for (int x = 0; x < kFrameWidth; ++x) {
      Colour colour{};
      switch (ZoneAt(x, y)) {
        case Zone::kCornerOuter:
          colour = kBeige;
          break;
        case Zone::kCornerEdge:
          colour = Mix(style.outline, kBeige, 0.6);
          break;
        case Zone::kRounding:
          colour = Mix(style.outline, kBeige, 0.2);
          break;
        case Zone::kOutline:
          colour = style.outline;
          break;
        case Zone::kInside:
          colour = RingOrFace(x, y, style.ring, style.face(y));
          break;
      }
      image.At(frame * kFrameWidth + x, y) = Pack(colour);
    }
  }
}

resgen::Bytes MakeSkin() {
  Image image(kFrames * kFrameWidth, kFrameHeight);
  const FrameStyle frames[kFrames] = {
      {kBlueOutline, nullptr, ShadedFace},     // normal
      {kBlueOutline, &kFocusRing, ShadedFace},  // focused
      {kBlueOutline, &kHoverRing, ShadedFace},  // hover
      {kBlueOutline, nullptr, PressedFace},    // pressed
      {kGreyOutline, nullptr, PaleFace},       // disabled
  };
  for (int frame = 0; frame < kFrames; ++frame) PaintFrame(image, frame, frames[frame]);
  return resgen::Bmp24(image);
}

const resgen::Registration registration("button_skin.bmp", MakeSkin);

}  // namespace
