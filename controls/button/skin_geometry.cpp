#include "controls/button/skin_geometry.h"

#include <utility>

#include "platform/numeric.h"

namespace hushwall {

std::int32_t FrameWidth(std::int32_t skin_width) { return RoundToInt32(skin_width / 5.0); }

FrameColumns FrameOf(std::int32_t frame_width, std::int32_t state) {
  return {CheckedMul(state - 1, frame_width), CheckedMul(state, frame_width)};
}

std::vector<SkinPiece> SkinPieces(const SkinLayout& layout) {
  const std::int32_t cw = layout.corner_width;
  const std::int32_t ch = layout.corner_height;
  const std::int32_t w = layout.width;
  const std::int32_t h = layout.height;
  const std::int32_t hs = layout.skin_height;
  const FrameColumns frame = FrameOf(FrameWidth(layout.skin_width), layout.state);
  const std::int32_t s = frame.start;
  const std::int32_t r = frame.end;

  const std::int32_t right_inset = CheckedSub(w, cw);   // W - CW
  const std::int32_t bottom_inset = CheckedSub(h, ch);  // H - CH
  const std::int32_t middle_left = CheckedAdd(s, cw);   // S + CW
  const std::int32_t middle_right = CheckedSub(r, cw);  // R - CW
  const std::int32_t skin_bottom = CheckedSub(hs, ch);  // Hs - CH

  std::vector<SkinPiece> pieces;
  pieces.push_back({{cw, ch, right_inset, bottom_inset},
                    layout.fill_with_color ? Rect{} : Rect{middle_left, ch, middle_right, skin_bottom},
                    layout.fill_with_color ? PieceMethod::kSolidFill : PieceMethod::kTiled});
  if (cw <= 0 || ch <= 0) return pieces;

  pieces.push_back({{cw, 0, w, ch}, {middle_left, 0, middle_right, ch}, PieceMethod::kTiled});
  pieces.push_back({{cw, bottom_inset, w, h}, {middle_left, skin_bottom, middle_right, hs},
                    PieceMethod::kTiled});
  pieces.push_back({{0, 0, cw, h}, {s, ch, middle_left, skin_bottom}, PieceMethod::kTiled});
  pieces.push_back({{right_inset, ch, w, bottom_inset}, {middle_right, ch, r, skin_bottom},
                    PieceMethod::kTiled});

  const auto corner = [&](std::int32_t x, std::int32_t y, std::int32_t sx, std::int32_t sy) {
    pieces.push_back({{x, y, CheckedAdd(x, cw), CheckedAdd(y, ch)},
                      {sx, sy, CheckedAdd(sx, cw), CheckedAdd(sy, ch)},
                      PieceMethod::kKeyedCopy});
  };
  corner(0, 0, s, 0);
  corner(0, bottom_inset, s, skin_bottom);
  corner(right_inset, 0, middle_right, 0);
  corner(right_inset, bottom_inset, middle_right, skin_bottom);
  return pieces;
}

PixelPosition FillColourPixel(const SkinLayout& layout) {
  const FrameColumns frame = FrameOf(FrameWidth(layout.skin_width), layout.state);
  return {CheckedAdd(CheckedAdd(frame.start, layout.corner_width), 1),
          CheckedAdd(layout.corner_height, 1)};
}

Rect Normalised(Rect rect) {
  if (rect.right < rect.left) std::swap(rect.left, rect.right);
  if (rect.bottom < rect.top) std::swap(rect.top, rect.bottom);
  return rect;
}

}  // namespace hushwall
