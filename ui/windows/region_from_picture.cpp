#include "ui/windows/region_from_picture.h"

#include <cstddef>
#include <stdexcept>

namespace hushwall {

std::vector<Rect> FindPictureRuns(int width, int height, std::span<const std::uint32_t> pixels) {
  if (width < 0 || height < 0 || pixels.size() != std::size_t(width) * std::size_t(height)) {
    throw std::invalid_argument("picture size does not match its pixels");
  }
  std::vector<Rect> runs;
  if (pixels.empty()) return runs;
  const std::uint32_t key = pixels[0];
  for (int y = 0; y < height; ++y) {
    const std::uint32_t* row = pixels.data() + std::size_t(y) * width;
    int x = 0;
    while (x < width) {
      while (x < width && row[x] == key) ++x;
      if (x == width) break;
      const int start = x;
      while (x < width && row[x] != key) ++x;
      runs.push_back({start, y, x, y + 1});
    }
  }
  return runs;
}

}  // namespace hushwall
