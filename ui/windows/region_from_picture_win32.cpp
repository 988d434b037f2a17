#include "ui/windows/region_from_picture_win32.h"

#include <algorithm>
#include <cstring>

#include "platform/dib_win32.h"
#include "platform/gdi_win32.h"

namespace hushwall {
namespace {

// Some systems refuse very large rectangle lists in one ExtCreateRegion call; the
// region is therefore made in slices that are united afterwards.
constexpr std::size_t kRectsPerSlice = 2000;

HRGN RegionFromSlice(std::span<const Rect> runs) {
  std::vector<unsigned char> buffer(sizeof(RGNDATAHEADER) + runs.size() * sizeof(RECT));
  auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
  RECT bounds{runs.front().left, runs.front().top, runs.front().right, runs.back().bottom};
  auto* rects = reinterpret_cast<RECT*>(data->Buffer);
  for (std::size_t i = 0; i < runs.size(); ++i) {
    const Rect& run = runs[i];
    rects[i] = RECT{run.left, run.top, run.right, run.bottom};
    bounds.left = std::min<LONG>(bounds.left, run.left);
    bounds.right = std::max<LONG>(bounds.right, run.right);
  }
  data->rdh.dwSize = sizeof(RGNDATAHEADER);
  data->rdh.iType = RDH_RECTANGLES;
  data->rdh.nCount = DWORD(runs.size());
  data->rdh.nRgnSize = DWORD(runs.size() * sizeof(RECT));
  data->rdh.rcBound = bounds;
  return ExtCreateRegion(nullptr, DWORD(buffer.size()), data);
}

}  // namespace

bool ReadPicturePixels(HBITMAP picture, PicturePixels& out) {
  BITMAP info{};
  if (!picture || GetObjectA(picture, sizeof info, &info) != sizeof info) return false;
  BITMAPINFO format{};
  format.bmiHeader = TopDownDibHeader(info.bmWidth, info.bmHeight, 32);
  out.width = info.bmWidth;
  out.height = info.bmHeight;
  out.pixels.assign(std::size_t(info.bmWidth) * info.bmHeight, 0);
  WindowDc screen(nullptr);
  const int rows = GetDIBits(screen.Get(), picture, 0, UINT(info.bmHeight), out.pixels.data(), &format,
                             DIB_RGB_COLORS);
  if (rows != info.bmHeight) return false;
  // The fourth byte of a 32-bit pixel is not part of its colour.
  for (auto& pixel : out.pixels) pixel &= 0x00FFFFFFu;
  return true;
}

HRGN RegionFromRuns(std::span<const Rect> runs) {
  Region region;
  for (std::size_t first = 0; first < runs.size(); first += kRectsPerSlice) {
    Region slice(RegionFromSlice(runs.subspan(first, std::min(kRectsPerSlice, runs.size() - first))));
    if (!slice) return nullptr;
    if (!region) {
      region = std::move(slice);
    } else {
      CombineRgn(region.Get(), region.Get(), slice.Get(), RGN_OR);
    }
  }
  return region.Release();
}

HRGN RegionFromPicture(HBITMAP picture) {
  PicturePixels picture_pixels;
  if (!ReadPicturePixels(picture, picture_pixels)) return nullptr;
  const auto runs = FindPictureRuns(picture_pixels.width, picture_pixels.height, picture_pixels.pixels);
  return RegionFromRuns(runs);
}

}  // namespace hushwall
