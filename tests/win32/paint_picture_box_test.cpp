// The picture box keeps its image readable while hidden; the default skin resource.
#include <gtest/gtest.h>

#include "platform/picture_box_win32.h"
#include "resources/button_ids.h"
#include "support/dib_surface.h"

namespace hushwall {
namespace {

using testing::DibSurface;

COLORREF PatternAt(int x, int y) { return RGB(x * 9 % 256, y * 17 % 256, (x ^ y) & 255); }

HBITMAP PatternBitmap(int width, int height) {
  return testing::BitmapFromPixels(width, height, PatternAt);
}

class PictureBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host_ = CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr,
                            nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(host_, nullptr);
  }
  void TearDown() override { DestroyWindow(host_); }

  HWND host_ = nullptr;
};

TEST_F(PictureBoxTest, HiddenBoxReportsItsNameSizeAndPixels) {
  PictureBox box("MyButtonDefSkin");
  ASSERT_TRUE(box.SetImage(PatternBitmap(37, 11)));
  ASSERT_TRUE(box.Create(host_, 5, 6, false));
  EXPECT_FALSE(IsWindowVisible(box.Handle()));
  EXPECT_EQ(box.Name(), "MyButtonDefSkin");
  EXPECT_STREQ(box.TypeName(), "PictureBox");
  EXPECT_EQ(box.Width(), 37);
  EXPECT_EQ(box.Height(), 11);
  for (int y = 0; y < 11; ++y) {
    for (int x = 0; x < 37; ++x) ASSERT_EQ(box.Pixel(x, y), PatternAt(x, y)) << x << "," << y;
  }
  for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {37, 0}, {0, 11}}) {
    EXPECT_EQ(box.Pixel(x, y), CLR_INVALID) << x << "," << y;
  }
}

TEST_F(PictureBoxTest, HiddenBoxImageCopiesFromItsDc) {
  PictureBox box("Skin");
  ASSERT_TRUE(box.Create(host_, 0, 0, false));
  ASSERT_TRUE(box.SetImage(PatternBitmap(20, 10)));
  // The window follows the image's size when the image comes after creation.
  EXPECT_EQ(box.Width(), 20);
  EXPECT_EQ(box.Height(), 10);
  DibSurface copy(8, 5, RGB(1, 2, 3));
  ASSERT_TRUE(BitBlt(copy.Dc(), 0, 0, 8, 5, box.Dc(), 11, 4, SRCCOPY));
  for (int y = 0; y < 5; ++y) {
    for (int x = 0; x < 8; ++x) ASSERT_EQ(copy.Pixel(x, y), PatternAt(x + 11, y + 4));
  }
}

TEST_F(PictureBoxTest, ShownBoxPaintsItsImage) {
  PictureBox box("Shown");
  ASSERT_TRUE(box.SetImage(PatternBitmap(16, 9)));
  ASSERT_TRUE(box.Create(host_, 3, 3, true));
  DibSurface painted(16, 9, RGB(1, 2, 3));
  SendMessageA(box.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(painted.Dc()), PRF_CLIENT);
  for (int y = 0; y < 9; ++y) {
    for (int x = 0; x < 16; ++x) ASSERT_EQ(painted.Pixel(x, y), PatternAt(x, y));
  }
}

TEST_F(PictureBoxTest, ReplacingTheImageKeepsOnlyTheNewOne) {
  PictureBox box("Swap");
  ASSERT_TRUE(box.SetImage(PatternBitmap(10, 10)));
  ASSERT_TRUE(box.SetImage(PatternBitmap(4, 3)));
  EXPECT_EQ(box.Width(), 4);
  EXPECT_EQ(box.Height(), 3);
  EXPECT_EQ(box.Pixel(3, 2), PatternAt(3, 2));
  EXPECT_EQ(box.Pixel(5, 5), CLR_INVALID);
  EXPECT_FALSE(box.SetImage(nullptr));
  EXPECT_EQ(box.Pixel(3, 2), PatternAt(3, 2));
}

TEST_F(PictureBoxTest, UnknownResourceLeavesTheBoxEmpty) {
  PictureBox box("Missing");
  EXPECT_FALSE(box.LoadImageResource("NO_SUCH_BITMAP"));
  EXPECT_EQ(box.Width(), 0);
  EXPECT_EQ(box.Pixel(0, 0), CLR_INVALID);
}

// The embedded default skin: size, depth, frame layout and the colours that make
// it a skin (no key colour anywhere, corners that fade to beige).
TEST_F(PictureBoxTest, DefaultSkinLoadsFromTheProgramResources) {
  PictureBox box("MyButtonDefSkin");
  ASSERT_TRUE(box.LoadImageResource(BUTTON_DEFAULT_SKIN_RESOURCE));
  ASSERT_TRUE(box.Create(host_, 0, 0, false));
  ASSERT_EQ(box.Width(), 150);
  ASSERT_EQ(box.Height(), 21);
  BITMAP info{};
  GetObjectA(GetCurrentObject(box.Dc(), OBJ_BITMAP), sizeof(info), &info);
  EXPECT_EQ(info.bmBitsPixel, 24);

  for (int y = 0; y < 21; ++y) {
    for (int x = 0; x < 150; ++x) ASSERT_NE(box.Pixel(x, y), RGB(255, 0, 255)) << x << "," << y;
  }
  const COLORREF blue_outline = RGB(0, 60, 116);
  for (int frame = 0; frame < 5; ++frame) {
    const int left = frame * 30, right = left + 29;
    const COLORREF outline = frame == 4 ? RGB(201, 199, 186) : blue_outline;
    EXPECT_EQ(box.Pixel(left + 15, 0), outline) << "frame " << frame + 1;
    EXPECT_EQ(box.Pixel(left, 10), outline) << "frame " << frame + 1;
    EXPECT_EQ(box.Pixel(right, 10), outline) << "frame " << frame + 1;
    EXPECT_EQ(box.Pixel(left + 15, 20), outline) << "frame " << frame + 1;
    for (auto [x, y] : {std::pair{left, 0}, {right, 0}, {left, 20}, {right, 20}}) {
      EXPECT_EQ(box.Pixel(x, y), RGB(236, 233, 216)) << "corner " << x << "," << y;
    }
  }
  EXPECT_EQ(box.Pixel(15, 1), RGB(255, 255, 255));
  EXPECT_EQ(box.Pixel(15, 19), RGB(214, 208, 197));
  EXPECT_EQ(box.Pixel(45, 1), RGB(206, 231, 255));
  EXPECT_EQ(box.Pixel(31, 10), RGB(139, 175, 229));
  EXPECT_EQ(box.Pixel(45, 19), RGB(105, 130, 238));
  EXPECT_EQ(box.Pixel(75, 1), RGB(255, 240, 207));
  EXPECT_EQ(box.Pixel(75, 2), RGB(253, 216, 137));
  EXPECT_EQ(box.Pixel(61, 10), RGB(252, 202, 105));
  EXPECT_EQ(box.Pixel(75, 19), RGB(229, 151, 0));
  EXPECT_EQ(box.Pixel(105, 10), RGB(226, 225, 217));
  EXPECT_EQ(box.Pixel(135, 10), RGB(245, 244, 234));
}

}  // namespace
}  // namespace hushwall
