#include "support/dib_surface.h"

namespace hushwall::testing {
namespace {
std::uint32_t ToBgra(COLORREF colour) {
  return (std::uint32_t(GetRValue(colour)) << 16) | (std::uint32_t(GetGValue(colour)) << 8) |
         GetBValue(colour);
}
}  // namespace

DibSurface::DibSurface(int width, int height, COLORREF fill)
    : width_(width),
      height_(height),
      dib_(CreateTopDownDib(width, height, 32)),
      dc_(CreateCompatibleDC(nullptr)),
      selection_(dc_.Get(), dib_.bitmap.Get()),
      bits_(static_cast<std::uint32_t*>(dib_.bits)) {
  Fill(fill);
}

COLORREF DibSurface::Pixel(int x, int y) const {
  GdiFlush();
  std::uint32_t p = bits_[std::size_t(y) * width_ + x];
  return RGB((p >> 16) & 255, (p >> 8) & 255, p & 255);
}

void DibSurface::SetPixelRgb(int x, int y, COLORREF colour) {
  GdiFlush();
  bits_[std::size_t(y) * width_ + x] = ToBgra(colour);
}

void DibSurface::Fill(COLORREF colour) {
  GdiFlush();
  for (int i = 0; i < width_ * height_; ++i) bits_[i] = ToBgra(colour);
}

bool DibSurface::SameAs(const DibSurface& other) const {
  if (other.width_ != width_ || other.height_ != height_) return false;
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      if (Pixel(x, y) != other.Pixel(x, y)) return false;
    }
  }
  return true;
}

HBITMAP BitmapFromPixels(int width, int height,
                         const std::function<COLORREF(int, int)>& colour_at) {
  DibSection dib = CreateTopDownDib(width, height, 32);
  if (!dib) return nullptr;
  auto* pixels = static_cast<std::uint32_t*>(dib.bits);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) pixels[std::size_t(y) * width + x] = ToBgra(colour_at(x, y));
  }
  return dib.bitmap.Release();
}

}  // namespace hushwall::testing
