// The whole skinned button rendered through its paint entry into a DIB section,
// checked pixel by pixel against a model of the nine-piece assembly.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "controls/button/button_gdi_win32.h"
#include "controls/button/button_win32.h"
#include "controls/host/control_host_win32.h"
#include "platform/picture_box_win32.h"
#include "support/button_host_window.h"
#include "support/dib_surface.h"

namespace hushwall {
namespace {

using testing::BitmapFromPixels;
using testing::ButtonHostWindow;
using testing::DibSurface;

constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr int kSkinFrame = 30;
constexpr int kSkinHeight = 21;

// Test skin: every pixel tells its frame and position apart; in each 3 x 3 corner
// the three outermost pixels are the key colour.
COLORREF TestSkinPixel(int x, int y) {
  const int frame = x / kSkinFrame, fx = x % kSkinFrame;
  const int dx = std::min(fx, kSkinFrame - 1 - fx), dy = std::min(y, kSkinHeight - 1 - y);
  if (dx + dy <= 1) return kMagenta;
  return RGB(fx * 8 + 3, y * 12 + 1, frame * 50 + 7);
}

// The assembly of the nine pieces, as the button is expected to paint it.
class SkinModel {
 public:
  SkinModel(int width, int height, COLORREF back) : width_(width), height_(height),
                                                    pixels_(std::size_t(width) * height, back) {}
  COLORREF At(int x, int y) const { return pixels_[std::size_t(y) * width_ + x]; }

  void Paint(int skin_width, int state, int cw, int ch, bool fill) {
    const int fw = int(std::nearbyint(skin_width / 5.0));
    const int s = (state - 1) * fw, r = state * fw, w = width_, h = height_, hs = kSkinHeight;
    if (fill) {
      FillRect(cw, ch, w - cw, h - ch, TestSkinPixel(s + cw + 1, ch + 1));
    } else {
      Tile({cw, ch, w - cw, h - ch}, {s + cw, ch, r - cw, hs - ch});
    }
    if (cw <= 0 || ch <= 0) return;
    Tile({cw, 0, w, ch}, {s + cw, 0, r - cw, ch});
    Tile({cw, h - ch, w, h}, {s + cw, hs - ch, r - cw, hs});
    Tile({0, 0, cw, h}, {s, ch, s + cw, hs - ch});
    Tile({w - cw, ch, w, h - ch}, {r - cw, ch, r, hs - ch});
    Keyed(0, 0, cw, ch, s, 0);
    Keyed(0, h - ch, cw, ch, s, hs - ch);
    Keyed(w - cw, 0, cw, ch, r - cw, 0);
    Keyed(w - cw, h - ch, cw, ch, r - cw, hs - ch);
  }

 private:
  void Put(int x, int y, COLORREF colour) {
    if (x >= 0 && y >= 0 && x < width_ && y < height_) pixels_[std::size_t(y) * width_ + x] = colour;
  }
  void FillRect(int left, int top, int right, int bottom, COLORREF colour) {
    for (int y = top; y < bottom; ++y) {
      for (int x = left; x < right; ++x) Put(x, y, colour);
    }
  }
  // Whole tiles: the last row and column run past the destination.
  void Tile(RECT dest, RECT source) {
    const int sw = source.right - source.left, sh = source.bottom - source.top;
    const int columns = (dest.right - dest.left + sw - 1) / sw;
    const int rows = (dest.bottom - dest.top + sh - 1) / sh;
    for (int y = 0; y < rows * sh; ++y) {
      for (int x = 0; x < columns * sw; ++x) {
        Put(dest.left + x, dest.top + y, TestSkinPixel(source.left + x % sw, source.top + y % sh));
      }
    }
  }
  void Keyed(int x, int y, int w, int h, int sx, int sy) {
    for (int j = 0; j < h; ++j) {
      for (int i = 0; i < w; ++i) {
        COLORREF colour = TestSkinPixel(sx + i, sy + j);
        if (colour != kMagenta) Put(x + i, y + j, colour);
      }
    }
  }

  int width_, height_;
  std::vector<COLORREF> pixels_;
};

struct FallbackSwitch {
  explicit FallbackSwitch(bool force) { ForceTransparentBlitFallback(force); }
  ~FallbackSwitch() { ForceTransparentBlitFallback(false); }
};

// A hidden host window with a skin picture box and one button on it.
class ButtonPixelsTest : public ::testing::Test {
 protected:
  void TearDown() override { button_.reset(); }

  void AddSkin(int width, const char* name = "MyButtonDefSkin") {
    ASSERT_NE(host_.AddSkin(BitmapFromPixels(width, kSkinHeight, TestSkinPixel), name), nullptr);
  }
  MyButton& AddButton(int width, int height) {
    button_ = std::make_unique<MyButtonWindow>(host_.Host(), "cmdTest");
    EXPECT_TRUE(button_->Create(10, 10, width, height));
    button_->Core().SetText("");
    return button_->Core();
  }
  std::unique_ptr<DibSurface> Render(int state) {
    RECT client{};
    GetClientRect(button_->Handle(), &client);
    auto surface = std::make_unique<DibSurface>(client.right, client.bottom, RGB(1, 2, 3));
    button_->RenderState(surface->Dc(), static_cast<std::int16_t>(state));
    return surface;
  }
  static void ExpectSame(const DibSurface& a, const DibSurface& b, const std::string& what) {
    for (int y = 0; y < a.Height(); ++y) {
      for (int x = 0; x < a.Width(); ++x) {
        ASSERT_EQ(a.Pixel(x, y), b.Pixel(x, y)) << what << " at " << x << "," << y;
      }
    }
  }
  static void ExpectModel(const DibSurface& surface, const SkinModel& model,
                          const std::string& what) {
    for (int y = 0; y < surface.Height(); ++y) {
      for (int x = 0; x < surface.Width(); ++x) {
        ASSERT_EQ(surface.Pixel(x, y), model.At(x, y)) << what << " at " << x << "," << y;
      }
    }
  }

  ButtonHostWindow host_;
  std::unique_ptr<MyButtonWindow> button_;
};

struct SkinCase {
  int width, height, cw, ch;
  bool fill;
};

TEST_F(ButtonPixelsTest, EveryStateMatchesTheAssemblyWithAndWithoutGdiTransparentBlt) {
  AddSkin(150);
  const SkinCase cases[] = {
      {100, 30, 3, 3, false}, {100, 30, 3, 3, true}, {61, 23, 3, 3, false},
      {45, 40, 2, 4, false},  {70, 26, 0, 3, false}, {70, 26, 0, 3, true},
  };
  const COLORREF back = GetSysColor(COLOR_BTNFACE);
  for (const SkinCase& c : cases) {
    MyButton& button = AddButton(c.width, c.height);
    button.SetSizeCW(c.cw);
    button.SetSizeCH(c.ch);
    button.SetFillWithColor(c.fill);
    for (int state = 1; state <= 5; ++state) {
      const std::string what = std::to_string(c.width) + "x" + std::to_string(c.height) + " cw " +
                               std::to_string(c.cw) + " fill " + std::to_string(c.fill) +
                               " state " + std::to_string(state);
      SkinModel model(c.width, c.height, back);
      model.Paint(150, state, c.cw, c.ch, c.fill);
      std::unique_ptr<DibSurface> platform = Render(state);
      ExpectModel(*platform, model, what + " platform");
      FallbackSwitch force(true);
      std::unique_ptr<DibSurface> fallback = Render(state);
      ExpectSame(*platform, *fallback, what + " fallback");
      ASSERT_NE(button.SkinPicture(), nullptr) << what;
    }
  }
}

TEST_F(ButtonPixelsTest, KeyedCornersShowTheEdgesPaintedBeneath) {
  AddSkin(150);
  AddButton(100, 30).SetFillWithColor(false);
  std::unique_ptr<DibSurface> normal = Render(1);
  // Top-left: the left edge runs from row 0 and shows through (source rows from 3).
  EXPECT_EQ(normal->Pixel(0, 0), TestSkinPixel(0, 3));
  EXPECT_EQ(normal->Pixel(1, 0), TestSkinPixel(1, 3));
  EXPECT_EQ(normal->Pixel(1, 1), TestSkinPixel(1, 1));  // not keyed: the corner's own
  // Top-right: the top edge runs to the full width; its fifth tile ends at x = 123,
  // so column 99 is tile column (99 - 3) % 24 = 0 of source columns 3..26.
  EXPECT_EQ(normal->Pixel(99, 0), TestSkinPixel(3, 0));
  // Bottom-right: the right edge's second tile runs past its rectangle down to row
  // 33; row 29 is its row (29 - 3) % 15 = 11, source row 14.
  EXPECT_EQ(normal->Pixel(99, 29), TestSkinPixel(29, 14));
  EXPECT_EQ(normal->Pixel(98, 29), TestSkinPixel(28, 14));
  // Bottom-left: the left edge again, its second tile at row 29: (29 % 15) + 3.
  EXPECT_EQ(normal->Pixel(0, 29), TestSkinPixel(0, 17));
}

TEST_F(ButtonPixelsTest, FillWithColorPaintsTheMiddleInTheSkinPixelRightOfTheCorner) {
  AddSkin(150);
  AddButton(100, 30);  // FillWithColor is true from creation
  for (int state = 1; state <= 5; ++state) {
    std::unique_ptr<DibSurface> surface = Render(state);
    const COLORREF middle = TestSkinPixel((state - 1) * 30 + 4, 4);
    for (int y = 3; y < 27; ++y) {
      for (int x = 3; x < 97; ++x) {
        ASSERT_EQ(surface->Pixel(x, y), middle) << "state " << state << " at " << x << "," << y;
      }
    }
  }
}

TEST_F(ButtonPixelsTest, FocusRectangleOnlyInTheFocusedAndPressedStates) {
  AddSkin(150);
  MyButton& button = AddButton(100, 30);
  for (int state = 1; state <= 5; ++state) {
    button.SetDrawFocus(0);
    std::unique_ptr<DibSurface> plain = Render(state);
    button.SetDrawFocus(3);
    std::unique_ptr<DibSurface> focused = Render(state);
    int changed = 0;
    for (int y = 0; y < 30; ++y) {
      for (int x = 0; x < 100; ++x) {
        if (plain->Pixel(x, y) == focused->Pixel(x, y)) continue;
        ++changed;
        const bool on_outline = (x >= 3 && x < 97 && (y == 3 || y == 26)) ||
                                (y >= 3 && y < 27 && (x == 3 || x == 96));
        ASSERT_TRUE(on_outline) << "state " << state << " changed " << x << "," << y;
      }
    }
    if (state == 2 || state == 4) {
      // A dotted line: about every other pixel of the 236-pixel outline.
      EXPECT_GT(changed, 100) << "state " << state;
    } else {
      EXPECT_EQ(changed, 0) << "state " << state;
    }
  }
}

TEST_F(ButtonPixelsTest, PlainLookIsTheSameInEveryState) {
  // No picture box on the host: no skin.
  MyButton& button = AddButton(90, 24);
  button.SetText("Plain");
  button.SetDrawFocus(2);
  button.SetTextColorDisabled(RGB(255, 0, 0));
  button.SetTextColorDisabled2(RGB(0, 255, 0));
  button.SetBackColor(RGB(200, 220, 240));
  std::unique_ptr<DibSurface> first = Render(1);
  int text_pixels = 0;
  for (int y = 0; y < 24; ++y) {
    for (int x = 0; x < 90; ++x) text_pixels += first->Pixel(x, y) != RGB(200, 220, 240);
  }
  EXPECT_GT(text_pixels, 10);
  EXPECT_EQ(first->Pixel(0, 0), RGB(200, 220, 240));
  for (int state = 2; state <= 5; ++state) {
    ExpectSame(*first, *Render(state), "state " + std::to_string(state));
  }
}

// Pixels where `with` differs from `without`.
std::vector<bool> Difference(const DibSurface& with, const DibSurface& without) {
  std::vector<bool> changed(std::size_t(with.Width()) * with.Height());
  for (int y = 0; y < with.Height(); ++y) {
    for (int x = 0; x < with.Width(); ++x) {
      changed[std::size_t(y) * with.Width() + x] = with.Pixel(x, y) != without.Pixel(x, y);
    }
  }
  return changed;
}

TEST_F(ButtonPixelsTest, DisabledCaptionIsEngravedWhenTheTwoColoursDiffer) {
  AddSkin(150);
  MyButton& button = AddButton(100, 30);
  button.SetTextColorDisabled(RGB(255, 0, 0));
  button.SetTextColorDisabled2(RGB(255, 0, 0));
  std::unique_ptr<DibSurface> empty = Render(5);
  button.SetText("Engraved");
  std::unique_ptr<DibSurface> single = Render(5);
  button.SetTextColorDisabled2(RGB(0, 160, 0));
  std::unique_ptr<DibSurface> engraved = Render(5);

  // Text may be smoothed at its edges, so the check uses the pixels each drawing
  // touched and those it covered fully.
  const COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 160, 0);
  const std::vector<bool> touched = Difference(*single, *empty);
  auto in = [](const std::vector<bool>& set, int x, int y) {
    return x >= 0 && y >= 0 && x < 100 && y < 30 && set[std::size_t(y) * 100 + x];
  };
  auto covered = [&](int x, int y) { return in(touched, x, y) && single->Pixel(x, y) == kRed; };
  int red = 0, green = 0;
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 100; ++x) {
      const COLORREF pixel = engraved->Pixel(x, y);
      if (covered(x, y)) {
        ASSERT_EQ(pixel, kRed) << "second drawing at " << x << "," << y;
        ++red;
      } else if (!in(touched, x, y) && covered(x - 1, y - 1)) {
        ASSERT_EQ(pixel, kGreen) << "first drawing at " << x << "," << y;
        ++green;
      } else if (!in(touched, x, y) && !in(touched, x - 1, y - 1)) {
        ASSERT_EQ(pixel, empty->Pixel(x, y)) << "untouched at " << x << "," << y;
      }
    }
  }
  EXPECT_GT(red, 20);
  EXPECT_GT(green, 5);
  // With equal colours only the second drawing is made: nothing in the first colour.
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 100; ++x) ASSERT_NE(single->Pixel(x, y), kGreen);
  }
}

TEST_F(ButtonPixelsTest, SkinTooNarrowForTheCornersEndsInThePlainLook) {
  // Frames 6 pixels wide with 3-pixel corners: the middle and edge pieces have no
  // width, so the skinned drawing fails and the button drops its skin.
  AddSkin(30);
  MyButton& button = AddButton(80, 26);
  button.SetText("Narrow");
  button.SetFillWithColor(false);
  std::unique_ptr<DibSurface> failed = Render(1);
  EXPECT_EQ(button.SkinPicture(), nullptr);
  EXPECT_EQ(button.SkinPictureName(), "MyButtonDefSkin");
  std::unique_ptr<DibSurface> after = Render(1);

  // The plain look of the same button on a host without a skin.
  button_.reset();
  host_.RemoveSkin();
  MyButton& plain = AddButton(80, 26);
  plain.SetText("Narrow");
  ExpectSame(*after, *Render(1), "after the failure");
}

}  // namespace
}  // namespace hushwall
