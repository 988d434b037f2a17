#pragma once
// Turning a picture into the outline of a shaped window: every pixel that has the
// colour of the top-left pixel is cut away, the rest is kept as one-pixel-high
// rectangles, one per horizontal run of kept pixels.
#include <cstdint>
#include <span>
#include <vector>

#include "platform/rect.h"

namespace hushwall {

// `pixels` holds `height` rows of `width` colours, top row first; colours are compared
// as whole 32-bit values, so a caller whose pixel format carries an unused byte must
// clear it. Returns the runs row by row, left to right; an empty list means the
// picture has no kept pixel (or no pixel at all). Throws std::invalid_argument when
// the sizes are negative or do not match the pixel count.
std::vector<Rect> FindPictureRuns(int width, int height, std::span<const std::uint32_t> pixels);

// A picture grown smoothly mixes the key colour into the kept pixels along its
// outline. `smooth` and `sharp` (grown by nearest pixel, whose outline is the
// window's) are the same picture at the same size, laid out as above; every kept
// pixel of `sharp` next to a cut one (in eight directions) is copied into `smooth`.
void KeepSharpOutline(int width, int height, std::span<std::uint32_t> smooth, std::span<const std::uint32_t> sharp);

}  // namespace hushwall
