#include "tests/win32/support/region_per_pixel_win32.h"

#include "platform/gdi_win32.h"

namespace hushwall {

HRGN RegionFromPicturePerPixel(HBITMAP picture) {
  BITMAP info{};
  if (!picture || GetObjectA(picture, sizeof info, &info) != sizeof info) return nullptr;
  MemoryDc dc(CreateCompatibleDC(nullptr));
  SelectGuard selected(dc.Get(), picture);

  const int width = info.bmWidth;
  const int height = info.bmHeight;
  const COLORREF key = GetPixel(dc.Get(), 0, 0);
  HRGN region = nullptr;
  auto add = [&region](int left, int top, int right, int bottom) {
    HRGN rect = CreateRectRgn(left, top, right, bottom);
    if (!region) {
      region = rect;
    } else {
      CombineRgn(region, region, rect, RGN_OR);
      DeleteObject(rect);
    }
  };
  for (int y = 0; y < height; ++y) {
    bool open = false;
    int start = 0;
    for (int x = 0; x < width; ++x) {
      const COLORREF colour = GetPixel(dc.Get(), x, y);
      if (colour != key && !open) {
        open = true;
        start = x;
      } else if (colour == key && open) {
        add(start, y, x, y + 1);
        open = false;
      }
    }
    if (open) add(start, y, width, y + 1);
  }
  return region;
}

}  // namespace hushwall
