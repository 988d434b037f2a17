#pragma once
// Device-independent bitmaps with the top row first, the layout pixel code wants:
// row y starts at y * DibStride(width, bits) bytes from the first pixel.
#include <windows.h>

#include <span>

#include "platform/gdi_win32.h"

namespace hushwall {

// The colour table of a one-bit DIB: clear bits black, set bits white.
inline constexpr RGBQUAD kBlackAndWhite[] = {{0, 0, 0, 0}, {255, 255, 255, 0}};

// The header of an uncompressed top-down DIB of width x height.
BITMAPINFOHEADER TopDownDibHeader(int width, int height, int bits_per_pixel);

// Bytes from one row to the next: rows are padded to whole 32-bit words.
int DibStride(int width, int bits_per_pixel);

// A DIB section and its pixels, valid while the bitmap lives. Call GdiFlush before
// reading what GDI drew or after writing what GDI will read.
struct DibSection {
  Bitmap bitmap;
  void* bits = nullptr;
  explicit operator bool() const { return static_cast<bool>(bitmap); }
};

// A top-down DIB section. Up to eight bits per pixel it takes its colour table from
// `colours` (entries not given are black). Empty when GDI refuses the size.
DibSection CreateTopDownDib(int width, int height, int bits_per_pixel,
                            std::span<const RGBQUAD> colours = {});

}  // namespace hushwall
