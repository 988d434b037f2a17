// The progress bar's GDI surfaces: pixels kept across resizes, fills, stretches and
// copies exact to the pixel, system colours as the display shows them, and text that
// draws only its glyphs in the text colour from its top left.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "controls/progress/progress_surface_win32.h"

namespace hushwall {
namespace {

constexpr Rgb kRed = RGB(200, 0, 0);
constexpr Rgb kBlue = RGB(0, 0, 200);
constexpr Rgb kGreen = RGB(0, 160, 0);

// Every pixel, row by row.
std::vector<Rgb> Pixels(GdiProgressSurface& surface) {
  std::vector<Rgb> pixels;
  for (int y = 0; y < surface.Height(); ++y)
    for (int x = 0; x < surface.Width(); ++x) pixels.push_back(surface.Pixel(x, y));
  return pixels;
}

TEST(ProgressSurface, PlaceKeepsOverlapAndShowsBackColourInNewPixels) {
  struct Case {
    const char* what;
    BarRect to;
  };
  const Case cases[] = {
      {"grown", {0, 0, 6, 5}},
      {"shrunk", {0, 0, 2, 2}},
      {"moved and grown in one axis", {-1, 3, 4, 5}},
      {"emptied", {0, 0, 0, 3}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    int changes = 0;
    GdiProgressSurface surface([&] { ++changes; });
    surface.SetBackColour(kRed);
    surface.Place({0, 0, 4, 3});
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 4; ++x) surface.SetPixel(x, y, RGB(x * 10, y * 10, 1));
    surface.SetBackColour(kBlue);
    surface.Place(c.to);
    EXPECT_EQ(changes, 2);
    ASSERT_EQ(surface.Width(), c.to.width);
    ASSERT_EQ(surface.Height(), c.to.height);
    for (int y = 0; y < c.to.height; ++y) {
      for (int x = 0; x < c.to.width; ++x) {
        const Rgb expected = x < 4 && y < 3 ? RGB(x * 10, y * 10, 1) : kBlue;
        ASSERT_EQ(surface.Pixel(x, y), expected) << x << ", " << y;
      }
    }
    EXPECT_EQ(surface.Pixel(-1, 0), 0xFFFFFFFFu);
    EXPECT_EQ(surface.Pixel(c.to.width, 0), 0xFFFFFFFFu);
  }
  GdiProgressSurface surface;
  EXPECT_ANY_THROW(surface.Place({0, 0, -1, 3}));
}

TEST(ProgressSurface, SamePlaceIsNoChangeAndAMoveKeepsPixels) {
  int changes = 0;
  GdiProgressSurface surface([&] { ++changes; });
  surface.Place({0, 0, 3, 2});
  surface.FillWith(kGreen);
  surface.Place({0, 0, 3, 2});
  EXPECT_EQ(changes, 1);
  surface.Place({-1, 0, 3, 2});
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(Pixels(surface), std::vector<Rgb>(6, kGreen));
}

TEST(ProgressSurface, SystemColoursFillAsTheDisplayShowsThem) {
  GdiProgressSurface surface;
  surface.Place({0, 0, 3, 3});
  const struct {
    Colour colour;
    Rgb shown;
  } cases[] = {
      {0x8000000F, GetSysColor(COLOR_BTNFACE)},
      {0x80000010, GetSysColor(COLOR_BTNSHADOW)},
      {0x8000000D, GetSysColor(COLOR_HIGHLIGHT)},
      {RGB(1, 2, 3), RGB(1, 2, 3)},
  };
  for (const auto& c : cases) {
    surface.FillWith(c.colour);
    EXPECT_EQ(Pixels(surface), std::vector<Rgb>(9, c.shown)) << std::hex << c.colour;
    surface.SetBackColour(c.colour);
    surface.FillWith(kRed);
    surface.Clear();
    EXPECT_EQ(surface.Pixel(2, 2), c.shown) << std::hex << c.colour;
  }
  EXPECT_ANY_THROW(surface.FillWith(0x800000FF));
}

TEST(ProgressSurface, StretchRepeatsEachSourcePixelOverItsShare) {
  GdiProgressSurface surface;
  surface.Place({0, 0, 4, 3});
  surface.FillWith(kGreen);
  const Rgb line[] = {RGB(1, 0, 0), RGB(2, 0, 0), RGB(3, 0, 0), RGB(4, 0, 0)};
  for (int x = 0; x < 4; ++x) surface.SetPixel(x, 0, line[x]);
  // A one-row source over the whole image, overlapping its own target.
  surface.StretchWithin({0, 0, 4, 1}, {0, 0, 4, 3});
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) ASSERT_EQ(surface.Pixel(x, y), line[x]) << x << ", " << y;
  // Two columns doubled into four.
  surface.StretchWithin({2, 0, 2, 1}, {0, 2, 4, 1});
  EXPECT_EQ(surface.Pixel(0, 2), line[2]);
  EXPECT_EQ(surface.Pixel(1, 2), line[2]);
  EXPECT_EQ(surface.Pixel(2, 2), line[3]);
  EXPECT_EQ(surface.Pixel(3, 2), line[3]);
}

TEST(ProgressSurface, CopyTakesTheTargetsSizeFromTheSourceOffset) {
  GdiProgressSurface source;
  source.Place({0, 0, 5, 4});
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 5; ++x) source.SetPixel(x, y, RGB(x, y, 7));
  GdiProgressSurface target;
  target.Place({0, 0, 4, 4});
  target.FillWith(kGreen);
  target.CopyFrom(source, {1, 2, 3, 2}, 2, 1);
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 4; ++x) {
      const bool copied = x >= 1 && y >= 2;
      ASSERT_EQ(target.Pixel(x, y), copied ? RGB(x + 1, y - 1, 7) : kGreen) << x << ", " << y;
    }
  }
}

TEST(ProgressSurface, TextDrawsOnlyGlyphsInTheTextColourFromItsTopLeft) {
  GdiProgressSurface surface;
  surface.SetFont(FontDescription{});
  surface.Place({0, 0, 120, 40});
  surface.FillWith(kGreen);
  surface.SetTextColour(kBlue);
  const TextExtent extent = surface.MeasureText("H 50 %");
  ASSERT_GT(extent.width, 10);
  ASSERT_GT(extent.height, 5);
  surface.PrintText("H 50 %", 10.5f, 7.0f);  // 10.5 lands on the even 10
  int left = 1000, top = 1000, right = -1, bottom = -1, glyph_pixels = 0;
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 120; ++x) {
      const Rgb pixel = surface.Pixel(x, y);
      if (pixel == kGreen) continue;
      // Smoothed edges mix the two colours, neither of which has any red.
      ASSERT_EQ(GetRValue(pixel), 0) << "not a glyph nor the background at " << x << ", " << y;
      ++glyph_pixels;
      left = std::min(left, x), top = std::min(top, y);
      right = std::max(right, x), bottom = std::max(bottom, y);
    }
  }
  EXPECT_GT(glyph_pixels, 20);
  // The H's stem starts the text, after at most a small side bearing; glyphs stay
  // inside the measured box.
  EXPECT_GE(left, 10);
  EXPECT_LE(left, 12);
  EXPECT_GE(top, 7);
  EXPECT_LT(right, 10 + int(extent.width));
  EXPECT_LT(bottom, 7 + int(extent.height));
}

}  // namespace
}  // namespace hushwall
