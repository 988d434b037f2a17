#pragma once
// A 32-bit top-down DIB section selected into a memory DC, so tests can draw with
// real GDI and read back exact pixels.
#include <windows.h>

#include <cstdint>
#include <functional>

#include "platform/dib_win32.h"
#include "platform/gdi_win32.h"

namespace hushwall::testing {

class DibSurface {
 public:
  DibSurface(int width, int height, COLORREF fill = RGB(255, 255, 255));
  DibSurface(const DibSurface&) = delete;
  DibSurface& operator=(const DibSurface&) = delete;

  HDC Dc() const { return dc_.Get(); }
  HBITMAP Bitmap() const { return dib_.bitmap.Get(); }
  int Width() const { return width_; }
  int Height() const { return height_; }
  // RGB of the pixel, red in the low byte, as COLORREF.
  COLORREF Pixel(int x, int y) const;
  void SetPixelRgb(int x, int y, COLORREF colour);
  void Fill(COLORREF colour);
  // True when every pixel equals the other surface's (same size required).
  bool SameAs(const DibSurface& other) const;

 private:
  int width_;
  int height_;
  DibSection dib_;
  MemoryDc dc_;
  SelectGuard selection_;
  std::uint32_t* bits_;
};

// A free-standing 32-bit DIB section (selected nowhere) with pixels from `colour_at`;
// the caller owns it.
HBITMAP BitmapFromPixels(int width, int height, const std::function<COLORREF(int, int)>& colour_at);

}  // namespace hushwall::testing
