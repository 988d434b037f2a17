#include "platform/dib_win32.h"

#include <algorithm>

namespace hushwall {

BITMAPINFOHEADER TopDownDibHeader(int width, int height, int bits_per_pixel) {
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = width;
  header.biHeight = -height;  // negative: the top row comes first
  header.biPlanes = 1;
  header.biBitCount = static_cast<WORD>(bits_per_pixel);
  header.biCompression = BI_RGB;
  return header;
}

int DibStride(int width, int bits_per_pixel) { return (width * bits_per_pixel + 31) / 32 * 4; }

DibSection CreateTopDownDib(int width, int height, int bits_per_pixel,
                            std::span<const RGBQUAD> colours) {
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colours[256];
  } info{};
  info.header = TopDownDibHeader(width, height, bits_per_pixel);
  std::copy_n(colours.begin(), std::min<std::size_t>(colours.size(), 256), info.colours);
  DibSection dib;
  // With DIB_RGB_COLORS no device context is consulted.
  dib.bitmap.Reset(CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS,
                                    &dib.bits, nullptr, 0));
  if (!dib.bitmap) dib.bits = nullptr;
  return dib;
}

}  // namespace hushwall
