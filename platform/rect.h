#pragma once
// A rectangle in pixels, shared by painting, layout and window shapes.
#include <cstdint>

namespace hushwall {

// Left, top, right, bottom in pixels; right and bottom exclusive.
struct Rect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;

  friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace hushwall
