#pragma once
// A control on a hosting window as a custom control sees it through the host's
// lookup by name, and the one kind a control can draw from: a picture box.
#include <cstdint>
#include <string>

#include "controls/host/colour.h"

namespace hushwall {

class HostedControl {
 public:
  virtual ~HostedControl() = default;
  // The control's kind, such as "PictureBox".
  virtual std::string TypeName() const = 0;
  virtual std::string Name() const = 0;
};

// A picture box whose retained image is a skin. Every call may throw when the box
// no longer answers.
class SkinPictureBox : public HostedControl {
 public:
  // Sets the box's coordinate unit to pixels.
  virtual void UsePixelScale() = 0;
  virtual std::int32_t ScaleWidth() = 0;
  virtual std::int32_t ScaleHeight() = 0;
  // The RGB colour of one pixel of the image.
  virtual Rgb Point(std::int32_t x, std::int32_t y) = 0;
};

}  // namespace hushwall
