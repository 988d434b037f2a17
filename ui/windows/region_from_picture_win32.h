#pragma once
// The window region of a picture (module modTranslucent): every pixel that has the
// colour of the top-left pixel is cut away. The pixels are read in one call and the
// region is made from all runs at once.
#include <windows.h>

#include <cstdint>
#include <span>
#include <vector>

#include "ui/windows/region_from_picture.h"

namespace hushwall {

struct PicturePixels {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, top row first
};

// Reads every pixel of a bitmap (device-dependent or DIB section; it must not be
// selected into a DC). Returns false when the bitmap cannot be read.
bool ReadPicturePixels(HBITMAP picture, PicturePixels& out);

// The union of the rectangles, or nullptr when there is none. The caller owns it.
HRGN RegionFromRuns(std::span<const Rect> runs);

// The region of the picture's non-key pixels, or nullptr when there is none (or the
// picture cannot be read). The caller owns the region until it hands it to
// SetWindowRgn, which then owns it.
HRGN RegionFromPicture(HBITMAP picture);

}  // namespace hushwall
