// Keyed copies, pictures and the back buffer, checked pixel by pixel on DIB sections.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/button/button_gdi_win32.h"
#include "platform/dib_win32.h"
#include "support/dib_surface.h"

namespace hushwall {
namespace {

using testing::DibSurface;

constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// Restores the platform path even when an assertion ends a test early.
struct FallbackSwitch {
  explicit FallbackSwitch(bool force) { ForceTransparentBlitFallback(force); }
  ~FallbackSwitch() { ForceTransparentBlitFallback(false); }
};

// A background no key colour can match by accident: every pixel differs.
void PaintBackground(DibSurface& surface) {
  for (int y = 0; y < surface.Height(); ++y) {
    for (int x = 0; x < surface.Width(); ++x) {
      surface.SetPixelRgb(x, y, RGB(10 + x * 7 % 200, 20 + y * 11 % 200, 90));
    }
  }
}

// Source pixels: a checker of `key` and distinct colours, including near-misses of
// the key (one step off in each channel) that must be copied.
void PaintKeyedSource(DibSurface& source, COLORREF key) {
  const COLORREF near_misses[] = {
      RGB(GetRValue(key) ^ 1, GetGValue(key), GetBValue(key)),
      RGB(GetRValue(key), GetGValue(key) ^ 1, GetBValue(key)),
      RGB(GetRValue(key), GetGValue(key), GetBValue(key) ^ 1),
  };
  for (int y = 0; y < source.Height(); ++y) {
    for (int x = 0; x < source.Width(); ++x) {
      COLORREF colour = RGB(x * 13 % 256, y * 29 % 256, (x + y) * 5 % 256);
      if ((x + y) % 3 == 0) colour = key;
      if ((x * y) % 7 == 1) colour = near_misses[(x + y) % 3];
      source.SetPixelRgb(x, y, colour);
    }
  }
}

struct BlitCase {
  std::string name;
  std::uint32_t key;  // as stored by the controls; system colours included
  int x, y, width, height, source_x, source_y;
};

class TransparentBlitTest : public ::testing::TestWithParam<BlitCase> {};

TEST_P(TransparentBlitTest, SkipsExactlyTheKeyWithAndWithoutThePlatformCall) {
  const BlitCase& c = GetParam();
  const COLORREF key = TranslateColor(c.key);
  ASSERT_NE(key, CLR_INVALID);
  DibSurface source(24, 20);
  PaintKeyedSource(source, key);

  DibSurface platform(40, 30), fallback(40, 30);
  PaintBackground(platform);
  PaintBackground(fallback);
  DibSurface before(40, 30);
  PaintBackground(before);

  ASSERT_TRUE(TransparentBlit(platform.Dc(), c.x, c.y, c.width, c.height, source.Dc(), c.source_x,
                              c.source_y, c.key));
  {
    FallbackSwitch force(true);
    ASSERT_TRUE(TransparentBlit(fallback.Dc(), c.x, c.y, c.width, c.height, source.Dc(),
                                c.source_x, c.source_y, c.key));
  }

  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 40; ++x) {
      bool inside = x >= c.x && x < c.x + c.width && y >= c.y && y < c.y + c.height;
      COLORREF expected = before.Pixel(x, y);
      if (inside) {
        COLORREF from = source.Pixel(x - c.x + c.source_x, y - c.y + c.source_y);
        if (from != key) expected = from;
      }
      ASSERT_EQ(platform.Pixel(x, y), expected) << "platform at " << x << "," << y;
      ASSERT_EQ(fallback.Pixel(x, y), expected) << "fallback at " << x << "," << y;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, TransparentBlitTest,
    ::testing::Values(BlitCase{"MagentaCorner", 0xFF00FF, 0, 0, 3, 3, 0, 0},
                      BlitCase{"MagentaOffset", 0xFF00FF, 7, 5, 20, 15, 2, 3},
                      BlitCase{"Black", 0x000000, 1, 2, 24, 20, 0, 0},
                      BlitCase{"White", 0xFFFFFF, 15, 9, 10, 12, 13, 7},
                      BlitCase{"SystemButtonFace", 0x8000000F, 3, 3, 21, 17, 1, 1},
                      BlitCase{"EmptyWidth", 0xFF00FF, 3, 3, 0, 5, 0, 0},
                      BlitCase{"NegativeHeight", 0xFF00FF, 3, 8, 5, -4, 0, 0}),
    [](const auto& info) { return info.param.name; });

TEST(TransparentBlitTest, RejectsAKeyThatIsNoColour) {
  DibSurface source(4, 4, kBlack), dest(4, 4, kWhite);
  EXPECT_FALSE(TransparentBlit(dest.Dc(), 0, 0, 4, 4, source.Dc(), 0, 0, 0x800000FF));
  EXPECT_EQ(dest.Pixel(0, 0), kWhite);
}

// A one-bit top-down DIB with a (black, white) table, as the disabled picture uses.
HBITMAP OneBitDib(int width, int height, const std::vector<int>& ones) {
  DibSection dib = CreateTopDownDib(width, height, 1, kBlackAndWhite);
  const int stride = DibStride(width, 1);
  for (int index : ones) {
    int x = index % width, y = index / width;
    static_cast<BYTE*>(dib.bits)[y * stride + x / 8] |= BYTE(0x80 >> (x % 8));
  }
  return dib.bitmap.Release();
}

TEST(TransparentBlitTest, OneBitSourceUsesItsColourTableOnBothPaths) {
  DibSurface platform(12, 12), fallback(12, 12);
  PaintBackground(platform);
  PaintBackground(fallback);
  DibSurface before(12, 12);
  PaintBackground(before);
  HDC mono_dc = CreateCompatibleDC(platform.Dc());
  HBITMAP mono = OneBitDib(8, 8, {0, 9, 18, 27, 36, 45, 54, 63, 7, 56});
  HGDIOBJ old = SelectObject(mono_dc, mono);
  RGBQUAD table[2] = {{0x30, 0x20, 0x10, 0}, {0, 0, 0, 0}};  // (RGB 16,32,48, black)
  SetDIBColorTable(mono_dc, 0, 2, table);

  ASSERT_TRUE(TransparentBlit(platform.Dc(), 2, 3, 8, 8, mono_dc, 0, 0, kBlack));
  {
    FallbackSwitch force(true);
    ASSERT_TRUE(TransparentBlit(fallback.Dc(), 2, 3, 8, 8, mono_dc, 0, 0, kBlack));
  }
  SelectObject(mono_dc, old);
  DeleteObject(mono);
  DeleteDC(mono_dc);

  for (int y = 0; y < 12; ++y) {
    for (int x = 0; x < 12; ++x) {
      int sx = x - 2, sy = y - 3;
      bool set_bit = sx >= 0 && sx < 8 && sy >= 0 && sy < 8 &&
                     (sx == sy || (sx == 7 && sy == 0) || (sx == 0 && sy == 7));
      bool inside = sx >= 0 && sx < 8 && sy >= 0 && sy < 8;
      // Entry 0 (clear bits) is the colour; entry 1 is black, the key.
      COLORREF expected = inside && !set_bit ? RGB(16, 32, 48) : before.Pixel(x, y);
      ASSERT_EQ(platform.Pixel(x, y), expected) << "platform at " << x << "," << y;
      ASSERT_EQ(fallback.Pixel(x, y), expected) << "fallback at " << x << "," << y;
    }
  }
}

template <typename ColourAt>
HBITMAP MakeBitmap(int width, int height, ColourAt colour_at) {
  return testing::BitmapFromPixels(width, height, colour_at);
}

// A 16 x 16 icon: the left half opaque in `colour`, the right half transparent.
HICON MakeHalfIcon(COLORREF colour) {
  HBITMAP colour_bits = MakeBitmap(16, 16, [&](int x, int) { return x < 8 ? colour : kBlack; });
  HBITMAP mask = CreateBitmap(16, 16, 1, 1, nullptr);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, mask);
  RECT transparent{8, 0, 16, 16};
  FillRect(dc, &transparent, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  RECT opaque{0, 0, 8, 16};
  FillRect(dc, &opaque, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  SelectObject(dc, old);
  DeleteDC(dc);
  ICONINFO info{TRUE, 0, 0, mask, colour_bits};
  HICON icon = CreateIconIndirect(&info);
  DeleteObject(mask);
  DeleteObject(colour_bits);
  return icon;
}

constexpr COLORREF kGreen = RGB(0, 128, 0);
constexpr COLORREF kRed = RGB(200, 30, 40);

TEST(DrawPictureTest, BitmapCopiesItsTopLeftKeyedWithPictureTColourOnBothPaths) {
  // Green is this picture's key; magenta is an ordinary colour here.
  auto colour_at = [](int x, int y) {
    if ((x + y) % 4 == 0) return kGreen;
    if ((x + 2 * y) % 5 == 0) return kMagenta;
    return RGB(x * 20, y * 25, 77);
  };
  const Bitmap bitmap(MakeBitmap(10, 8, colour_at));
  GdiPicture picture = PictureFromBitmap(bitmap.Get());
  ASSERT_EQ(picture.kind, GdiPicture::Kind::kBitmap);
  for (bool force : {false, true}) {
    FallbackSwitch path(force);
    DibSurface surface(20, 16), before(20, 16);
    PaintBackground(surface);
    PaintBackground(before);
    ASSERT_TRUE(DrawPicture(surface.Dc(), picture, 3, 4, 6, 5, kGreen));
    for (int y = 0; y < 16; ++y) {
      for (int x = 0; x < 20; ++x) {
        bool inside = x >= 3 && x < 9 && y >= 4 && y < 9;
        COLORREF expected = before.Pixel(x, y);
        if (inside && colour_at(x - 3, y - 4) != kGreen) expected = colour_at(x - 3, y - 4);
        ASSERT_EQ(surface.Pixel(x, y), expected) << x << "," << y << " fallback " << force;
      }
    }
  }
}

TEST(DrawPictureTest, IconIsStretchedWithItsOwnTransparency) {
  const Icon icon(MakeHalfIcon(kRed));
  GdiPicture picture = PictureFromIcon(icon.Get());
  ASSERT_EQ(picture.kind, GdiPicture::Kind::kIcon);
  DibSurface surface(40, 40, RGB(0, 0, 255));
  // The picture key plays no part for icons, even when it equals the icon's colour.
  ASSERT_TRUE(DrawPicture(surface.Dc(), picture, 4, 2, 32, 32, kRed));
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 40; ++x) {
      bool opaque = x >= 4 && x < 20 && y >= 2 && y < 34;
      ASSERT_EQ(surface.Pixel(x, y), opaque ? kRed : RGB(0, 0, 255)) << x << "," << y;
    }
  }
}

TEST(DrawPictureTest, EmptyPictureDrawsNothing) {
  DibSurface surface(8, 8, kRed);
  EXPECT_TRUE(DrawPicture(surface.Dc(), GdiPicture{}, 0, 0, 8, 8, kMagenta));
  EXPECT_TRUE(DrawDisabledPicture(surface.Dc(), GdiPicture{}, 0, 0, 8, 8, kMagenta));
  EXPECT_EQ(surface.Pixel(4, 4), kRed);
}

TEST(PictureSizeTest, HimetricSizeConvertsBackToThePixelSize) {
  DibSurface surface(1, 1);
  for (int pixels : {1, 13, 15, 16, 17, 32, 48, 100}) {
    const Bitmap bitmap(MakeBitmap(pixels, pixels + 1, [](int, int) { return kWhite; }));
    GdiPicture picture = PictureFromBitmap(bitmap.Get());
    EXPECT_EQ(int(HimetricToPixelsX(surface.Dc(), picture.himetric_width) + 0.5), pixels);
    EXPECT_EQ(int(HimetricToPixelsY(surface.Dc(), picture.himetric_height) + 0.5), pixels + 1);
  }
}

// Expected look of a disabled picture over `before`: highlight one pixel right and
// down of every dark pixel, then shadow on every dark pixel.
template <typename IsDark>
void ExpectEmbossed(const DibSurface& surface, const DibSurface& before, int left, int top,
                    int width, int height, IsDark is_dark, const char* what) {
  const COLORREF highlight = GetSysColor(COLOR_3DHILIGHT);
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
  auto dark_at = [&](int x, int y) {
    return x >= 0 && y >= 0 && x < width && y < height && is_dark(x, y);
  };
  for (int y = 0; y < surface.Height(); ++y) {
    for (int x = 0; x < surface.Width(); ++x) {
      COLORREF expected = before.Pixel(x, y);
      if (dark_at(x - left - 1, y - top - 1)) expected = highlight;
      if (dark_at(x - left, y - top)) expected = shadow;
      ASSERT_EQ(surface.Pixel(x, y), expected) << what << " at " << x << "," << y;
    }
  }
}

TEST(DrawDisabledPictureTest, BitmapBecomesAnEmbossedSilhouetteOnBothPaths) {
  // Dark pixels: black and a dark grey; light ones: white, a light grey, magenta.
  auto colour_at = [](int x, int y) {
    if (x == y || x == 9 - y) return kBlack;
    if (y == 3 && x > 1 && x < 8) return RGB(40, 40, 40);
    if (x == 0) return RGB(200, 200, 200);
    if (y == 0) return kMagenta;
    return kWhite;
  };
  auto is_dark = [&](int x, int y) { return GetRValue(colour_at(x, y)) < 128; };
  const Bitmap bitmap(MakeBitmap(10, 10, colour_at));
  GdiPicture picture = PictureFromBitmap(bitmap.Get());
  ASSERT_NE(GetSysColor(COLOR_3DHILIGHT), GetSysColor(COLOR_BTNSHADOW));
  for (bool force : {false, true}) {
    FallbackSwitch path(force);
    DibSurface surface(16, 16), before(16, 16);
    PaintBackground(surface);
    PaintBackground(before);
    ASSERT_TRUE(DrawDisabledPicture(surface.Dc(), picture, 2, 3, 10, 10, kMagenta));
    ExpectEmbossed(surface, before, 2, 3, 10, 10, is_dark, force ? "fallback" : "platform");
  }
}

TEST(DrawDisabledPictureTest, BitmapNeedsNoValidPictureKey) {
  // Only an icon is laid on the key colour; a bitmap's silhouette ignores it.
  auto colour_at = [](int x, int y) { return x == y ? kBlack : kWhite; };
  const Bitmap bitmap(MakeBitmap(6, 6, colour_at));
  GdiPicture picture = PictureFromBitmap(bitmap.Get());
  DibSurface surface(10, 10), before(10, 10);
  PaintBackground(surface);
  PaintBackground(before);
  ASSERT_TRUE(DrawDisabledPicture(surface.Dc(), picture, 1, 1, 6, 6, 0x800000FF));
  ExpectEmbossed(surface, before, 1, 1, 6, 6, [](int x, int y) { return x == y; }, "bitmap");
}

TEST(DrawDisabledPictureTest, IconAreaOutsideTheIconStaysUnpainted) {
  // The icon's transparent half shows the picture key (white here), which is light.
  const Icon icon(MakeHalfIcon(RGB(30, 30, 90)));
  GdiPicture picture = PictureFromIcon(icon.Get());
  DibSurface surface(24, 24), before(24, 24);
  PaintBackground(surface);
  PaintBackground(before);
  ASSERT_TRUE(DrawDisabledPicture(surface.Dc(), picture, 4, 4, 16, 16, kWhite));
  ExpectEmbossed(surface, before, 4, 4, 16, 16, [](int x, int) { return x < 8; }, "icon");
}

TEST(BackBufferTest, PresentsWhatWasDrawnAtTheGivenOffset) {
  DibSurface target(30, 20, kWhite);
  BackBuffer buffer(target.Dc(), 10, 6);
  ASSERT_TRUE(buffer.Valid());
  RECT all{0, 0, 10, 6};
  HBRUSH red = CreateSolidBrush(kRed);
  FillRect(buffer.Dc(), &all, red);
  DeleteObject(red);
  SetPixel(buffer.Dc(), 9, 5, kGreen);
  buffer.Present(target.Dc(), 5, 7);
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 30; ++x) {
      COLORREF expected = kWhite;
      if (x >= 5 && x < 15 && y >= 7 && y < 13) expected = (x == 14 && y == 12) ? kGreen : kRed;
      ASSERT_EQ(target.Pixel(x, y), expected) << x << "," << y;
    }
  }
}

}  // namespace
}  // namespace hushwall
