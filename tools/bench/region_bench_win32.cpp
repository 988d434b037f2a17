// Times RegionFromPicture on the splash picture against the per-pixel, per-run
// construction, checks that both give the same region, and prints both times and
// their ratio. Each figure is the median of several rounds measured in this run.
//
// Usage: region-bench   (see wine-bench.sh)
#include <windows.h>

#include <cstdio>

#include "platform/gdi_win32.h"
#include "tools/bench/timing.h"
#include "ui/windows/region_from_picture_win32.h"
#include "tests/win32/support/region_per_pixel_win32.h"
#include "ui/windows/splash_win32.h"

namespace {

using hushwall::Bitmap;
using hushwall::Region;

}  // namespace

int main() {
  Bitmap picture(hushwall::LoadSplashPicture());
  BITMAP info{};
  if (!picture || !GetObjectA(picture.Get(), sizeof info, &info)) {
    std::fprintf(stderr, "cannot load the splash picture\n");
    return 1;
  }

  Region fast(hushwall::RegionFromPicture(picture.Get()));
  Region reference(hushwall::RegionFromPicturePerPixel(picture.Get()));
  const bool equal = fast && reference && EqualRgn(fast.Get(), reference.Get());
  hushwall::PicturePixels pixels;
  hushwall::ReadPicturePixels(picture.Get(), pixels);
  const auto runs = hushwall::FindPictureRuns(pixels.width, pixels.height, pixels.pixels);

  std::printf("splash picture %ld x %ld: %zu runs, regions equal: %s\n", info.bmWidth, info.bmHeight, runs.size(),
              equal ? "yes" : "NO");

  const double per_pixel = bench::MedianMicroseconds(5, 1, [&] { Region(hushwall::RegionFromPicturePerPixel(picture.Get())); });
  const double whole = bench::MedianMicroseconds(15, 20, [&] { Region(hushwall::RegionFromPicture(picture.Get())); });
  const double read = bench::MedianMicroseconds(15, 20, [&] { hushwall::ReadPicturePixels(picture.Get(), pixels); });
  const double find = bench::MedianMicroseconds(15, 20, [&] {
    volatile std::size_t count = hushwall::FindPictureRuns(pixels.width, pixels.height, pixels.pixels).size();
    (void)count;
  });
  const double build = bench::MedianMicroseconds(15, 20, [&] { Region(hushwall::RegionFromRuns(runs)); });

  std::printf("per pixel and per run (GetPixel, CreateRectRgn, CombineRgn): %10.1f us\n", per_pixel);
  std::printf("RegionFromPicture (one GetDIBits, one ExtCreateRegion):    %10.1f us\n", whole);
  std::printf("  of which reading pixels %.1f us, finding runs %.1f us, making the region %.1f us\n", read, find, build);
  std::printf("speed-up: %.1f times (target: at least 10)\n", per_pixel / whole);
  return equal ? 0 : 1;
}
