#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/dib_win32.h"
#include "platform/gdi_win32.h"
#include "resources/resource_ids.h"
#include "ui/windows/region_from_picture_win32.h"
#include "tests/win32/support/region_per_pixel_win32.h"
#include "ui/windows/splash_win32.h"

namespace hushwall {
namespace {

constexpr COLORREF kKey = RGB(255, 252, 0);

// A 24-bit DIB section drawn from text: '.' is the key colour, other letters are
// colours of their own.
Bitmap DrawPicture(const std::vector<std::string>& rows) {
  const int height = int(rows.size());
  const int width = height ? int(rows[0].size()) : 0;
  DibSection picture = CreateTopDownDib(width, height, 24);
  if (!picture) return {};
  const int stride = DibStride(width, 24);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const char c = rows[y][x];
      const COLORREF colour = c == '.' ? kKey : RGB(c * 2, 255 - c, c);
      auto* pixel = static_cast<unsigned char*>(picture.bits) + y * stride + x * 3;
      pixel[0] = GetBValue(colour);
      pixel[1] = GetGValue(colour);
      pixel[2] = GetRValue(colour);
    }
  }
  GdiFlush();
  return std::move(picture.bitmap);
}

// The splash picture straight from the resource bytes, without GDI: rows top first.
struct RawPicture {
  int width = 0, height = 0;
  std::vector<COLORREF> pixels;
  COLORREF At(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
};

RawPicture RawSplash() {
  RawPicture raw;
  HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(IDB_SPLASH), MAKEINTRESOURCEA(2));  // RT_BITMAP
  if (!found) return raw;
  const auto* header = static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(nullptr, found)));
  if (!header || header->biBitCount != 24 || header->biCompression != BI_RGB) return raw;
  raw.width = header->biWidth;
  raw.height = header->biHeight;
  const auto* rows = reinterpret_cast<const unsigned char*>(header) + header->biSize;
  const int stride = DibStride(raw.width, 24);
  raw.pixels.resize(std::size_t(raw.width) * raw.height);
  for (int y = 0; y < raw.height; ++y) {
    const unsigned char* row = rows + std::size_t(raw.height - 1 - y) * stride;
    for (int x = 0; x < raw.width; ++x) {
      raw.pixels[std::size_t(y) * raw.width + x] = RGB(row[x * 3 + 2], row[x * 3 + 1], row[x * 3]);
    }
  }
  return raw;
}

// Both constructions give the same region, and it holds exactly the non-key pixels.
void ExpectRegionOfPicture(HBITMAP picture, const std::vector<std::string>& rows) {
  Region fast(RegionFromPicture(picture));
  Region reference(RegionFromPicturePerPixel(picture));
  ASSERT_EQ(bool(fast), bool(reference));
  if (!fast) return;
  EXPECT_TRUE(EqualRgn(fast.Get(), reference.Get()));
  const char key = rows[0][0];
  for (int y = -1; y <= int(rows.size()); ++y) {
    for (int x = -1; x <= int(rows[0].size()); ++x) {
      const bool inside_picture = y >= 0 && x >= 0 && y < int(rows.size()) && x < int(rows[0].size());
      const bool kept = inside_picture && rows[y][x] != key;
      EXPECT_EQ(PtInRegion(fast.Get(), x, y) != FALSE, kept) << "pixel " << x << "," << y;
    }
  }
}

TEST(RegionFromPicture, CraftedPicturesGiveTheRegionOfTheirNonKeyPixels) {
  const std::vector<std::vector<std::string>> pictures = {
      {"..........",
       ".aaaaaaaa.",
       ".aa....aa.",
       ".aa.bb.aa.",
       ".aaaaaaaa.",
       ".........."},
      {"...aaaa",
       "aaa..bb",
       "b......",
       "......a"},
      {"ab", "ba"},
      {"xxx.x", "x.xxx"},
      {".a.a.a.a.a.a.a.a.a.a.a"},
      {".", "a", ".", "b"},
  };
  for (const auto& rows : pictures) {
    SCOPED_TRACE(rows[0]);
    Bitmap picture = DrawPicture(rows);
    ASSERT_TRUE(picture);
    ExpectRegionOfPicture(picture.Get(), rows);
  }
}

TEST(RegionFromPicture, APictureWithNothingButItsKeyGivesNoRegion) {
  for (const auto& rows : std::vector<std::vector<std::string>>{{"....", "....", "...."}, {"."}, {"aaa", "aaa"}}) {
    Bitmap picture = DrawPicture(rows);
    ASSERT_TRUE(picture);
    EXPECT_EQ(RegionFromPicture(picture.Get()), nullptr) << rows[0];
    EXPECT_EQ(RegionFromPicturePerPixel(picture.Get()), nullptr) << rows[0];
  }
  EXPECT_EQ(RegionFromPicture(nullptr), nullptr);
}

TEST(RegionFromPicture, ManyRunsGiveTheSameRegionAsOneOperationPerRun) {
  // A checkerboard with 6000 runs, more than one slice of rectangles.
  std::vector<std::string> rows(60, std::string(200, '.'));
  for (int y = 0; y < 60; ++y) {
    for (int x = 0; x < 200; ++x) rows[y][x] = (x + y) % 2 ? 'a' : '.';
  }
  Bitmap picture = DrawPicture(rows);
  ASSERT_TRUE(picture);
  ExpectRegionOfPicture(picture.Get(), rows);
}

TEST(SplashPicture, HasTheKeyInItsCornersAndHolesInside) {
  const RawPicture raw = RawSplash();
  ASSERT_EQ(raw.width, 400);
  ASSERT_EQ(raw.height, 302);
  EXPECT_EQ(raw.At(0, 0), kKey);
  EXPECT_EQ(raw.At(399, 0), kKey);
  EXPECT_EQ(raw.At(0, 301), kKey);
  EXPECT_EQ(raw.At(399, 301), kKey);

  // Key pixels that cannot be reached from the border through key pixels are holes.
  std::vector<bool> outside(raw.pixels.size(), false);
  std::vector<std::pair<int, int>> todo;
  for (int x = 0; x < raw.width; ++x) todo.insert(todo.end(), {{x, 0}, {x, raw.height - 1}});
  for (int y = 0; y < raw.height; ++y) todo.insert(todo.end(), {{0, y}, {raw.width - 1, y}});
  while (!todo.empty()) {
    auto [x, y] = todo.back();
    todo.pop_back();
    if (x < 0 || y < 0 || x >= raw.width || y >= raw.height) continue;
    const std::size_t i = std::size_t(y) * raw.width + x;
    if (outside[i] || raw.pixels[i] != kKey) continue;
    outside[i] = true;
    todo.insert(todo.end(), {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}});
  }
  int holes = 0, kept = 0;
  for (std::size_t i = 0; i < raw.pixels.size(); ++i) {
    holes += raw.pixels[i] == kKey && !outside[i];
    kept += raw.pixels[i] != kKey;
  }
  EXPECT_GT(holes, 0);
  EXPECT_GT(kept, raw.width * raw.height / 2);
}

TEST(RegionFromPicture, SplashRegionMatchesThePictureAndTheReference) {
  const RawPicture raw = RawSplash();
  ASSERT_EQ(raw.width, 400);
  Bitmap section(LoadSplashPicture());
  ASSERT_TRUE(section);

  // The same picture as a device-dependent bitmap, as a picture box would hold it.
  WindowDc screen(nullptr);
  Bitmap device(CreateCompatibleBitmap(screen.Get(), raw.width, raw.height));
  {
    MemoryDc from(CreateCompatibleDC(screen.Get())), to(CreateCompatibleDC(screen.Get()));
    SelectGuard source(from.Get(), section.Get()), target(to.Get(), device.Get());
    BitBlt(to.Get(), 0, 0, raw.width, raw.height, from.Get(), 0, 0, SRCCOPY);
  }

  for (HBITMAP picture : {section.Get(), device.Get()}) {
    Region fast(RegionFromPicture(picture));
    Region reference(RegionFromPicturePerPixel(picture));
    ASSERT_TRUE(fast);
    ASSERT_TRUE(reference);
    EXPECT_TRUE(EqualRgn(fast.Get(), reference.Get()));
    int wrong = 0;
    for (int y = 0; y < raw.height; ++y) {
      for (int x = 0; x < raw.width; ++x) wrong += (PtInRegion(fast.Get(), x, y) != FALSE) != (raw.At(x, y) != kKey);
    }
    EXPECT_EQ(wrong, 0) << "pixels whose membership differs from the picture";
  }
}

}  // namespace
}  // namespace hushwall
