#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "platform/dib_win32.h"
#include "platform/gdi_win32.h"
#include "platform/resource_win32.h"
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

// A stored picture as the program decodes it: rows top first.
struct RawPicture {
  int width = 0, height = 0;
  std::vector<COLORREF> pixels;
  COLORREF At(int x, int y) const { return pixels[std::size_t(y) * width + x]; }
};

RawPicture DecodedPicture(int id) {
  RawPicture raw;
  PicturePixels read;
  Bitmap picture = LoadPngResource(id);
  if (!picture || !ReadPicturePixels(picture.Get(), read)) return raw;
  raw.width = read.width;
  raw.height = read.height;
  for (std::uint32_t p : read.pixels) raw.pixels.push_back(RGB(p >> 16, p >> 8, p));
  return raw;
}

RawPicture RawSplash() { return DecodedPicture(IDB_SPLASH); }

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

// FNV-1a over each pixel's blue, green, red and a zero byte, rows top first.
std::uint64_t PixelDigest(const RawPicture& picture) {
  std::uint64_t digest = 0xcbf29ce484222325u;
  for (COLORREF c : picture.pixels) {
    for (int byte : {int(GetBValue(c)), int(GetGValue(c)), int(GetRValue(c)), 0}) digest = (digest ^ byte) * 0x100000001b3u;
  }
  return digest;
}

// The digests are those of the uncompressed bitmaps the pictures were once stored as:
// decoding must give every pixel, the splash's key colour included, unchanged.
TEST(StoredPictures, DecodeToExactlyThePixelsTheyWereDrawnWith) {
  struct Row {
    int id, width, height;
    std::uint64_t digest;
  };
  for (const Row& row : {Row{IDB_SPLASH, 400, 302, 0xc3dae00da02f1f1cu}, Row{IDB_ABOUT, 77, 201, 0xba3855ab25d38802u}}) {
    const RawPicture picture = DecodedPicture(row.id);
    EXPECT_EQ(picture.width, row.width) << row.id;
    EXPECT_EQ(picture.height, row.height) << row.id;
    EXPECT_EQ(PixelDigest(picture), row.digest) << row.id;
  }
  EXPECT_FALSE(LoadPngResource(IDI_GREEN_IMG)) << "no such picture";
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
