#pragma once
// A picture object as controls hold it (a button's picture, a custom pointer): its
// kind and size, plus the name under which a window layout refers to it. The Win32
// side derives from it and carries the bitmap or icon handle.
#include <cstdint>
#include <memory>
#include <string>

namespace hushwall {

enum class PictureKind { kBitmap, kIcon, kOther };

class Picture {
 public:
  virtual ~Picture() = default;
  virtual PictureKind Kind() const = 0;
  // Size in HiMetric units (hundredths of a millimetre).
  virtual std::int32_t WidthHiMetric() const = 0;
  virtual std::int32_t HeightHiMetric() const = 0;
  // How a layout names this picture; a picture without a name cannot be saved.
  virtual std::string Source() const = 0;
};

using PictureRef = std::shared_ptr<const Picture>;

}  // namespace hushwall
