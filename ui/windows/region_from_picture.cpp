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

void KeepSharpOutline(int width, int height, std::span<std::uint32_t> smooth, std::span<const std::uint32_t> sharp) {
  if (sharp.empty() || smooth.size() != sharp.size() || sharp.size() != std::size_t(width) * std::size_t(height)) return;
  const std::uint32_t key = sharp[0];
  auto cut = [&](int x, int y) {
    return x >= 0 && y >= 0 && x < width && y < height && sharp[std::size_t(y) * width + x] == key;
  };
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const std::size_t at = std::size_t(y) * width + x;
      if (sharp[at] == key) continue;
      bool edge = false;
      for (int dy = -1; dy <= 1 && !edge; ++dy)
        for (int dx = -1; dx <= 1 && !edge; ++dx) edge = cut(x + dx, y + dy);
      if (edge) smooth[at] = sharp[at];
    }
  }
}

}  // namespace hushwall
