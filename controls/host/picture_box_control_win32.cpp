#include "controls/host/picture_box_control_win32.h"

#include <stdexcept>

#include "platform/picture_box_win32.h"

namespace hushwall {

PictureBox& PictureBoxControl::Box() const {
  auto* box = static_cast<PictureBox*>(WindowObjectOf(window_, PictureBox::kClassName));
  if (!box) throw std::runtime_error("the picture box is gone");
  return *box;
}

std::string PictureBoxControl::TypeName() const { return PictureBox::kTypeName; }
std::string PictureBoxControl::Name() const { return Box().Name(); }
// The box measures in pixels already; it only has to be there.
void PictureBoxControl::UsePixelScale() { Box(); }
std::int32_t PictureBoxControl::ScaleWidth() { return Box().Width(); }
std::int32_t PictureBoxControl::ScaleHeight() { return Box().Height(); }

Rgb PictureBoxControl::Point(std::int32_t x, std::int32_t y) {
  const COLORREF colour = Box().Pixel(x, y);
  if (colour == CLR_INVALID) throw std::runtime_error("no such pixel in the picture box");
  return colour;
}

HDC PictureBoxControl::Dc() const {
  HDC dc = Box().Dc();
  if (!dc) throw std::runtime_error("the picture box has no image");
  return dc;
}

}  // namespace hushwall
