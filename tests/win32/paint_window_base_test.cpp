// A window drawn through the base's paint hook shows the same pixels on screen
// (WM_PAINT) as in a caller's bitmap (WM_PRINTCLIENT).
#include <gtest/gtest.h>

#include "platform/gdi_win32.h"
#include "platform/window_win32.h"
#include "support/dib_surface.h"

namespace hushwall {
namespace {

using testing::DibSurface;

constexpr int kWidth = 24;
constexpr int kHeight = 16;

COLORREF QuadrantColour(int x, int y) {
  static constexpr COLORREF kColours[] = {RGB(255, 0, 0), RGB(0, 128, 255), RGB(0, 255, 0),
                                          RGB(40, 40, 40)};
  return kColours[(x >= kWidth / 2 ? 1 : 0) + (y >= kHeight / 2 ? 2 : 0)];
}

class Quadrants : public Window {
 public:
  bool Open() {
    RegisterClassOnce("HushWallPaintProbe", 0, nullptr);
    return Create("HushWallPaintProbe", "", WS_POPUP | WS_VISIBLE, WS_EX_TOOLWINDOW, 0, 0, kWidth,
                  kHeight, nullptr, nullptr) != nullptr;
  }
  int Paints() const { return paints_; }

 protected:
  void Paint(HDC dc) override {
    ++paints_;
    for (int top : {0, kHeight / 2}) {
      for (int left : {0, kWidth / 2}) {
        Brush brush(CreateSolidBrush(QuadrantColour(left, top)));
        RECT area{left, top, left + kWidth / 2, top + kHeight / 2};
        FillRect(dc, &area, brush.Get());
      }
    }
  }

 private:
  int paints_ = 0;
};

TEST(WindowPaintHookTest, PaintAndPrintClientDrawTheSamePixels) {
  Quadrants window;
  ASSERT_TRUE(window.Open());
  UpdateWindow(window.Handle());
  ASSERT_EQ(window.Paints(), 1);
  // BeginPaint and EndPaint ran: nothing is left to repaint.
  EXPECT_FALSE(GetUpdateRect(window.Handle(), nullptr, FALSE));

  DibSurface on_screen(kWidth, kHeight);
  {
    WindowDc screen(window.Handle());
    ASSERT_TRUE(BitBlt(on_screen.Dc(), 0, 0, kWidth, kHeight, screen.Get(), 0, 0, SRCCOPY));
  }
  DibSurface printed(kWidth, kHeight);
  SendMessageA(window.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(printed.Dc()), PRF_CLIENT);
  EXPECT_EQ(window.Paints(), 2);

  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      ASSERT_EQ(printed.Pixel(x, y), QuadrantColour(x, y)) << x << "," << y;
    }
  }
  EXPECT_TRUE(on_screen.SameAs(printed));
}

}  // namespace
}  // namespace hushwall
