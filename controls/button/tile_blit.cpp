#include "controls/button/tile_blit.h"

#include <cmath>

#include "controls/button/skin_geometry.h"
#include "platform/control_error.h"
#include "platform/numeric.h"

namespace hushwall {
namespace {

std::int32_t CountAlong(std::int32_t destination, std::int32_t source) {
  if (source == 0) throw ControlError(error_number::kDivisionByZero, "MyButton::TileBlit");
  // volatile: the quotient must really be rounded to single precision, also where
  // the compiler would keep it in a wider register.
  volatile float quotient = static_cast<float>(double(destination) / double(source));
  const double count = std::ceil(double(quotient));
  if (count > 32767) throw ControlError(error_number::kOverflow, "MyButton::TileBlit");
  return static_cast<std::int32_t>(count);
}

}  // namespace

TileCounts CountTiles(std::int32_t destination_width, std::int32_t destination_height,
                      std::int32_t source_width, std::int32_t source_height) {
  TileCounts counts;
  counts.columns = CountAlong(destination_width, source_width);
  counts.rows = CountAlong(destination_height, source_height);
  return counts;
}

void TileBlit(ButtonCanvas& canvas, const Rect& destination, const Rect& source,
              SkinPictureBox& skin) {
  const Rect to = Normalised(destination);
  const Rect from = Normalised(source);
  const std::int32_t sw = CheckedSub(from.right, from.left);
  const std::int32_t sh = CheckedSub(from.bottom, from.top);
  const TileCounts counts =
      CountTiles(CheckedSub(to.right, to.left), CheckedSub(to.bottom, to.top), sw, sh);
  for (std::int32_t row = 0; row < counts.rows; ++row) {
    const std::int32_t y = CheckedAdd(to.top, CheckedMul(row, sh));
    for (std::int32_t column = 0; column < counts.columns; ++column) {
      const std::int32_t x = CheckedAdd(to.left, CheckedMul(column, sw));
      canvas.Copy(skin, x, y, sw, sh, from.left, from.top);
    }
  }
}

}  // namespace hushwall
