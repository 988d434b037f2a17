#pragma once
// A picture box on a hosting window as a custom control draws from it.
#include <windows.h>

#include "controls/host/hosted_control.h"

namespace hushwall {

class PictureBox;

// Seen through its window handle, so a box that has gone away fails its calls
// instead of being touched.
class PictureBoxControl : public SkinPictureBox {
 public:
  explicit PictureBoxControl(HWND window) : window_(window) {}
  std::string TypeName() const override;
  std::string Name() const override;
  void UsePixelScale() override;
  std::int32_t ScaleWidth() override;
  std::int32_t ScaleHeight() override;
  Rgb Point(std::int32_t x, std::int32_t y) override;
  // The DC to copy the image from; throws when the box is gone.
  HDC Dc() const;
  HWND Window() const { return window_; }

 private:
  PictureBox& Box() const;
  HWND window_;
};

}  // namespace hushwall
