#pragma once
// The button's low-level drawing: keyed copies (with a mask fallback for systems
// whose gdi32 lacks GdiTransparentBlt), the optional button picture in its normal and
// embossed disabled look, and an off-screen back buffer.
#include <windows.h>

#include <cstdint>

#include "controls/host/colour_win32.h"
#include "controls/host/picture_win32.h"
#include "platform/gdi_win32.h"

namespace hushwall {

// Copies width x height from (source_x, source_y) of `source` to (x, y) of `dest`,
// skipping source pixels equal to `key` (translated first). Looks GdiTransparentBlt
// up in gdi32.dll on every call and falls back to a monochrome-mask method when it is
// missing. Scratch objects are made compatible with `dest`. An empty or negative
// extent copies nothing. False when the key is not a valid colour or a scratch
// object cannot be made.
bool TransparentBlit(HDC dest, int x, int y, int width, int height, HDC source, int source_x,
                     int source_y, std::uint32_t key);

// Test switch: when on, TransparentBlit takes the mask method even where
// GdiTransparentBlt exists. Off by default.
void ForceTransparentBlitFallback(bool force);

// Pixel size of a HiMetric extent on `surface`, before rounding (the caller rounds).
double HimetricToPixelsX(HDC surface, int himetric);
double HimetricToPixelsY(HDC surface, int himetric);

// Paints `picture` at (x, y) in width x height on `surface`: an icon stretched with
// its own transparency; a bitmap copied from its top-left corner, keyed with
// `transparent_colour` (the button's PictureTColor, translated here). False on a
// failure (invalid colour, scratch objects); an empty picture draws nothing.
bool DrawPicture(HDC surface, const GdiPicture& picture, int x, int y, int width, int height,
                 std::uint32_t transparent_colour);

// Paints `picture` as an embossed silhouette of its dark pixels: the 3-D highlight
// colour one pixel right and down, then the button-shadow colour in place.
// `transparent_colour` fills the area behind an icon before it is reduced to one bit.
// False on a failure, as DrawPicture.
bool DrawDisabledPicture(HDC surface, const GdiPicture& picture, int x, int y, int width,
                         int height, std::uint32_t transparent_colour);

// An off-screen image of width x height compatible with a target DC: everything is
// drawn into Dc() and then shown at once with Present.
class BackBuffer {
 public:
  BackBuffer(HDC target, int width, int height);
  BackBuffer(const BackBuffer&) = delete;
  BackBuffer& operator=(const BackBuffer&) = delete;

  // False when the DC or the bitmap could not be made (e.g. absurd sizes).
  bool Valid() const { return dc_ && bitmap_; }
  HDC Dc() const { return dc_.Get(); }
  int Width() const { return width_; }
  int Height() const { return height_; }
  // Copies the whole image to (x, y) of `target`.
  void Present(HDC target, int x = 0, int y = 0) const;

 private:
  int width_;
  int height_;
  MemoryDc dc_;
  Bitmap bitmap_;
  SelectGuard selection_;
};

}  // namespace hushwall
