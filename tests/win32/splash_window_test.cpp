#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "hushwall_version.h"
#include "platform/gdi_win32.h"
#include "support/message_pump.h"
#include "ui/windows/region_from_picture_win32.h"
#include "ui/windows/splash_win32.h"

namespace hushwall {
namespace {

std::string TextOf(HWND window) {
  char text[256] = "";
  GetWindowTextA(window, text, sizeof text);
  return text;
}

// Reads back what a window shows in a rectangle of its client area.
PicturePixels Capture(HWND window, RECT area) {
  WindowDc source(window);
  MemoryDc memory(CreateCompatibleDC(source.Get()));
  Bitmap copy(CreateCompatibleBitmap(source.Get(), area.right - area.left, area.bottom - area.top));
  {
    SelectGuard selected(memory.Get(), copy.Get());
    BitBlt(memory.Get(), 0, 0, area.right - area.left, area.bottom - area.top, source.Get(), area.left, area.top,
           SRCCOPY);
  }
  PicturePixels pixels;
  ReadPicturePixels(copy.Get(), pixels);
  return pixels;
}

TEST(SplashWindow, ShowsTheShapedPictureWithTheVersionThenHandsOverOnceAndCloses) {
  Splash splash(400);
  int hand_overs = 0;
  bool shown_during_hand_over = false;
  ASSERT_TRUE(splash.Show([&] {
    ++hand_overs;
    shown_during_hand_over = splash.IsOpen() && IsWindowVisible(splash.Handle());
  }));
  const HWND window = splash.Handle();
  ASSERT_TRUE(IsWindowVisible(window));

  // Borderless, the picture's size, centred.
  EXPECT_EQ(GetWindowLongA(window, GWL_STYLE) & (WS_CAPTION | WS_BORDER | WS_THICKFRAME), 0);
  RECT outer;
  GetWindowRect(window, &outer);
  EXPECT_EQ(outer.right - outer.left, 400);
  EXPECT_EQ(outer.bottom - outer.top, 302);
  EXPECT_EQ(outer.left, GetSystemMetrics(SM_CXSCREEN) / 2 - 200);
  EXPECT_EQ(outer.top, GetSystemMetrics(SM_CYSCREEN) / 2 - 151);

  // Cut to the picture's outline.
  Bitmap picture(LoadSplashPicture());
  Region expected(RegionFromPicture(picture.Get()));
  Region actual(CreateRectRgn(0, 0, 0, 0));
  ASSERT_TRUE(expected);
  EXPECT_EQ(GetWindowRgn(window, actual.Get()), COMPLEXREGION);
  EXPECT_TRUE(EqualRgn(actual.Get(), expected.Get()));

  // The version from the executable, in place at 96 dots per inch.
  const HWND label = splash.VersionLabel();
  ASSERT_TRUE(label);
  EXPECT_EQ(TextOf(label), "Version " HUSHWALL_VERSION);  // the project version
  RECT label_area;
  GetWindowRect(label, &label_area);
  MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&label_area), 2);
  EXPECT_EQ(label_area.left, 176);
  EXPECT_EQ(label_area.top, 208);
  EXPECT_EQ(label_area.right - label_area.left, 134);
  EXPECT_EQ(label_area.bottom - label_area.top, 31);

  // White letters straight on the picture: every pixel of the label is the picture's
  // own, white, or (smoothed letter edges) between the two, and letters are there.
  PicturePixels original;
  ASSERT_TRUE(ReadPicturePixels(picture.Get(), original));
  const PicturePixels shown = Capture(window, label_area);
  ASSERT_EQ(shown.width, 134);
  int white = 0, background = 0, darker = 0;
  for (int y = 0; y < shown.height; ++y) {
    for (int x = 0; x < shown.width; ++x) {
      const std::uint32_t pixel = shown.pixels[std::size_t(y) * shown.width + x];
      const std::uint32_t under = original.pixels[std::size_t(label_area.top + y) * original.width + label_area.left + x];
      if (pixel == under) {
        ++background;
      } else if (pixel == 0xFFFFFF) {
        ++white;
      }
      for (int shift : {0, 8, 16}) darker += ((pixel >> shift) & 255) < ((under >> shift) & 255);
    }
  }
  EXPECT_GT(white, 100);
  EXPECT_GT(background, shown.width * shown.height / 2);
  EXPECT_EQ(darker, 0) << "colour channels darker than the picture: not white text on it";

  ASSERT_TRUE(test::PumpUntil([&] { return hand_overs > 0 && !splash.IsOpen(); }, 15000));
  EXPECT_TRUE(shown_during_hand_over) << "the program is loaded while the splash is still up";
  EXPECT_FALSE(IsWindow(window));
  test::PumpUntil([&] { return hand_overs > 1; }, 1200);
  EXPECT_EQ(hand_overs, 1);
}

TEST(SplashWindow, ACloseRequestEndsThePauseAtOnce) {
  Splash splash(60000);
  int hand_overs = 0;
  ASSERT_TRUE(splash.Show([&] { ++hand_overs; }));
  PostMessageA(splash.Handle(), WM_CLOSE, 0, 0);
  ASSERT_TRUE(test::PumpUntil([&] { return !splash.IsOpen(); }, 10000));
  EXPECT_EQ(hand_overs, 1);
  EXPECT_FALSE(splash.Show([&] { ++hand_overs; })) << "a splash is shown once";
}

// Records whether the splash was still open when a posted message was handled.
const Splash* g_splash = nullptr;
int g_handled_while_open = -1;

LRESULT CALLBACK RecordingReceiver(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_APP) g_handled_while_open = g_splash->IsOpen() ? 1 : 0;
  return DefWindowProcA(window, message, wparam, lparam);
}

TEST(SplashWindow, MessagesPostedByTheHandOverRunBeforeTheSplashCloses) {
  WNDCLASSA receiver_class{};
  receiver_class.lpfnWndProc = RecordingReceiver;
  receiver_class.hInstance = GetModuleHandleA(nullptr);
  receiver_class.lpszClassName = "SplashTestReceiver";
  RegisterClassA(&receiver_class);
  HWND receiver = CreateWindowExA(0, "SplashTestReceiver", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
  ASSERT_TRUE(receiver);

  Splash splash(100);
  g_splash = &splash;
  ASSERT_TRUE(splash.Show([&] { PostMessageA(receiver, WM_APP, 0, 0); }));
  ASSERT_TRUE(test::PumpUntil([&] { return !splash.IsOpen() && g_handled_while_open >= 0; }, 15000));
  EXPECT_EQ(g_handled_while_open, 1);
  DestroyWindow(receiver);
}

}  // namespace
}  // namespace hushwall
