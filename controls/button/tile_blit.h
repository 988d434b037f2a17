#pragma once
// Covering a rectangle with whole copies of a skin piece.
#include <cstdint>

#include "controls/button/button_interfaces.h"

namespace hushwall {

struct TileCounts {
  std::int32_t columns = 0;
  std::int32_t rows = 0;
};

// Columns and rows of tiles for normalised extents: each quotient is held as a
// 32-bit float before its ceiling is taken. Throws ControlError 11 for a zero
// source extent and 6 for a count above 32767.
TileCounts CountTiles(std::int32_t destination_width, std::int32_t destination_height,
                      std::int32_t source_width, std::int32_t source_height);

// Copies the source rectangle of the skin row by row across the destination, both
// normalised first. The last column and row may run past the destination.
void TileBlit(ButtonCanvas& canvas, const Rect& destination, const Rect& source,
              SkinPictureBox& skin);

}  // namespace hushwall
