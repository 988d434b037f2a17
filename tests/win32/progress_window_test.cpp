// The progress bar's window: what it paints (read back from a DIB section through
// WM_PRINTCLIENT), its Change events and repaints per value step, its window text,
// and its place in control tables.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "controls/progress/progress_window_win32.h"
#include "platform/font_win32.h"
#include "platform/form_win32.h"
#include "support/button_host_window.h"
#include "support/dib_surface.h"
#include "support/message_pump.h"

namespace hushwall {
namespace {

using testing::DibSurface;

constexpr COLORREF kBack = RGB(240, 230, 140);
constexpr COLORREF kFore = RGB(30, 60, 160);
constexpr int kWidth = 200;
constexpr int kHeight = 60;

Currency Units(std::int64_t units) { return Currency::FromUnits(units); }

class ProgressWindowTest : public ::testing::Test {
 protected:
  // A bar of kWidth x kHeight in plain colours with no fades and no caption, changed
  // further by `configure`, then placed at `percent` of 0 to 100.
  MProgressWindow& MakeBar(const std::function<void(MProgress&)>& configure, int percent,
                           int width = kWidth, int height = kHeight) {
    bars_.push_back(std::make_unique<MProgressWindow>(host_window_.Host(), "prgTest"));
    MProgressWindow& bar = *bars_.back();
    EXPECT_TRUE(bar.Create(10, 10, width, height));
    MProgress& core = bar.Core();
    core.SetFade(0);
    core.SetBackColor(kBack);
    core.SetForeColor(kFore);
    core.SetMax(Units(100));
    core.SetDisablePercent(true);
    if (configure) configure(core);
    core.SetValue(Units(percent));
    return bar;
  }

  static std::unique_ptr<DibSurface> Render(MProgressWindow& bar) {
    RECT client{};
    GetClientRect(bar.Handle(), &client);
    auto image = std::make_unique<DibSurface>(client.right, client.bottom, RGB(255, 0, 255));
    SendMessageA(bar.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(image->Dc()), PRF_CLIENT);
    return image;
  }

  testing::ButtonHostWindow host_window_;
  std::vector<std::unique_ptr<MProgressWindow>> bars_;
};

// The bar's rectangle as the core placed it, cut to the face.
bool OnBar(const MProgress& core, int x, int y) {
  const BarRect& bar = core.BarPlace();
  return x >= bar.left && x < bar.left + bar.width && y >= bar.top && y < bar.top + bar.height;
}

TEST_F(ProgressWindowTest, BarFillsFromItsDirectionsStartAndCoversTheRest) {
  struct Case {
    int direction;
    int percent;
    POINT filled;    // a pixel the bar must cover
    POINT unfilled;  // and one it must leave
  };
  const Case cases[] = {
      {0, 30, {0, 30}, {kWidth - 1, 30}},
      {2, 30, {kWidth - 1, 30}, {0, 30}},
      {1, 40, {100, kHeight - 1}, {100, 0}},
      {3, 40, {100, 0}, {100, kHeight - 1}},
      {0, 100, {kWidth - 1, kHeight - 1}, {-1, -1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("direction " + std::to_string(c.direction) + " at " + std::to_string(c.percent));
    MProgressWindow& bar = MakeBar([&](MProgress& core) { core.SetDirection(c.direction); }, c.percent);
    const auto image = Render(bar);
    int covered = 0;
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        const bool on_bar = OnBar(bar.Core(), x, y);
        covered += on_bar;
        ASSERT_EQ(image->Pixel(x, y), on_bar ? kFore : kBack) << x << ", " << y;
      }
    }
    const int area = kWidth * kHeight;
    EXPECT_NEAR(double(covered) / area, c.percent / 100.0, 0.02);
    EXPECT_EQ(image->Pixel(c.filled.x, c.filled.y), kFore);
    if (c.unfilled.x >= 0) {
      EXPECT_EQ(image->Pixel(c.unfilled.x, c.unfilled.y), kBack);
    }
  }
}

TEST_F(ProgressWindowTest, FadesRunFromTheFirstColourToNearTheSecond) {
  constexpr COLORREF kFrom = RGB(250, 20, 0);
  constexpr COLORREF kTo = RGB(0, 120, 250);
  struct Case {
    const char* what;
    int fade;      // 1 across, 2 down
    int percent;   // 0 shows the background fade, 100 the bar's
    Colour first;  // the fade's first colour, set as both fades' start
    COLORREF first_shown;
  };
  // Growing to the left, so that the background fade lies on the whole face.
  const Case cases[] = {
      {"background across", 1, 0, kFrom, kFrom},
      {"background down", 2, 0, kFrom, kFrom},
      {"bar down", 2, 100, kFrom, kFrom},
      {"system colour start", 1, 0, 0x8000000F, GetSysColor(COLOR_BTNFACE)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    MProgressWindow& bar = MakeBar([&](MProgress& core) {
      core.SetFadeBG1(c.first);
      core.SetFadeFG1(c.first);
      core.SetFadeBG2(kTo);
      core.SetFadeFG2(kTo);
      core.SetDirection(2);
      core.SetFade(c.fade);
    }, c.percent);
    const auto image = Render(bar);
    const bool across = c.fade == 1;
    const POINT first = across ? POINT{0, kHeight / 2} : POINT{kWidth / 2, 0};
    const POINT last = across ? POINT{kWidth - 1, kHeight / 2} : POINT{kWidth / 2, kHeight - 1};
    EXPECT_EQ(image->Pixel(first.x, first.y), c.first_shown);
    // The last line is one step short of the second colour.
    const COLORREF end = image->Pixel(last.x, last.y);
    const int step = across ? 255 / kWidth + 2 : 255 / kHeight + 2;
    EXPECT_NEAR(GetRValue(end), GetRValue(kTo), step);
    EXPECT_NEAR(GetGValue(end), GetGValue(kTo), step);
    EXPECT_NEAR(GetBValue(end), GetBValue(kTo), step);
  }
}

// A bar one pixel wide or high has no pixel (1, 1) to read a filled colour back from;
// its system colours still show as the display shows them.
TEST_F(ProgressWindowTest, SystemColourFadesOnABarOfOneLine) {
  const struct {
    int width, height, fade;
  } cases[] = {{1, kHeight, 1}, {1, kHeight, 2}, {kWidth, 1, 1}, {kWidth, 1, 2}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height) + ", fade " + std::to_string(c.fade));
    MProgressWindow& bar = MakeBar([&](MProgress& core) {
      core.SetFadeBG1(0x8000000F);
      core.SetFadeBG2(0x8000000F);
      core.SetDirection(2);
      core.SetFade(c.fade);
    }, 0, c.width, c.height);
    const auto image = Render(bar);
    for (int y = 0; y < c.height; ++y)
      for (int x = 0; x < c.width; ++x) ASSERT_EQ(image->Pixel(x, y), GetSysColor(COLOR_BTNFACE)) << x << ", " << y;
  }
}

// The caption across the bar's edge: the same glyphs at the same place, in BackColor
// on the bar and in ForeColor beyond it.
TEST_F(ProgressWindowTest, CaptionSwapsColoursExactlyAtTheBarsEdge) {
  const auto caption = [](MProgress& core) { core.SetCaption("MMMMMMMMMMMMMMMMMMMM"); };
  MProgressWindow& empty = MakeBar(caption, 0);
  MProgressWindow& half = MakeBar(caption, 50);
  const auto plain = Render(empty);
  const auto split = Render(half);
  const BarRect& place = half.Core().BarPlace();
  const int edge = place.left + place.width;  // first column past the bar
  int ink_on_bar = 0, ink_beyond = 0;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const bool ink = plain->Pixel(x, y) != kBack;
      if (x >= edge) {
        ASSERT_EQ(split->Pixel(x, y), plain->Pixel(x, y)) << x << ", " << y;
        ink_beyond += ink;
      } else if (!ink) {
        ASSERT_EQ(split->Pixel(x, y), kFore) << x << ", " << y;
      } else {
        ASSERT_NE(split->Pixel(x, y), kFore) << "no glyph on the bar at " << x << ", " << y;
        ++ink_on_bar;
      }
    }
  }
  EXPECT_GT(ink_on_bar, 20);
  EXPECT_GT(ink_beyond, 20);
}

// The caption's ink box, on a bar with nothing filled.
RECT InkBox(const DibSurface& image) {
  RECT box{image.Width(), image.Height(), -1, -1};
  for (int y = 0; y < image.Height(); ++y) {
    for (int x = 0; x < image.Width(); ++x) {
      if (image.Pixel(x, y) == kBack) continue;
      box.left = std::min<LONG>(box.left, x), box.top = std::min<LONG>(box.top, y);
      box.right = std::max<LONG>(box.right, x), box.bottom = std::max<LONG>(box.bottom, y);
    }
  }
  return box;
}

TEST_F(ProgressWindowTest, TheCaptionIsDrawnInAFontForTheHostingWindowsDpi) {
  MProgressWindow& bar = MakeBar([](MProgress& core) { core.SetCaption("Tg"); }, 0);
  Render(bar);
  const int at_screen = bar.Core().CaptionHeight();
  bar.SetDpi(2 * ScreenDpi());
  Render(bar);
  // Twice the height asked for; a bitmap face has no strike of exactly that size.
  EXPECT_GT(bar.Core().CaptionHeight(), at_screen * 3 / 2);
}

TEST_F(ProgressWindowTest, BorderStylesUpToTwoMoveTheCaptionOnePixelRightAndDown) {
  MProgress* last = nullptr;
  const auto styled = [&](int style) {
    MProgressWindow& bar = MakeBar([&](MProgress& core) {
      core.SetCaption("Tg");
      core.SetBorderStyle(style);
    }, 0);
    last = &bar.Core();
    return InkBox(*Render(bar));
  };
  const RECT flush = styled(3);
  ASSERT_GE(flush.right, flush.left);
  // The centred text lands on the nearest pixel, halves to the even one, so an inset
  // of one moves it by the difference of two roundings.
  const double x = (kWidth - last->CaptionWidth()) / 2.0;
  const double y = (kHeight - last->CaptionHeight()) / 2.0;
  const struct {
    int style;
    int inset;
  } cases[] = {{0, 1}, {1, 1}, {2, 1}, {3, 0}, {6, 0}, {9, 0}, {-1, 0}};
  for (const auto& c : cases) {
    const RECT box = styled(c.style);
    EXPECT_EQ(box.left - flush.left, std::lrint(x + c.inset) - std::lrint(x)) << "style " << c.style;
    EXPECT_EQ(box.top - flush.top, std::lrint(y + c.inset) - std::lrint(y)) << "style " << c.style;
  }
}

class CountingEvents : public ProgressEvents {
 public:
  void Change() override { ++changes; }
  int changes = 0;
};

// Counts the bar's paints while dispatching what is waiting.
int DispatchCountingPaints(HWND bar) {
  int paints = 0;
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    paints += message.message == WM_PAINT && message.hwnd == bar;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return paints;
}

TEST(ProgressWindowMessages, EachStepThatShowsSomethingNewPaintsOnceAndPercentsRaiseChange) {
  testing::ButtonHostWindow host_window(true);
  MProgressWindow bar(host_window.Host(), "prgSteps");
  ASSERT_TRUE(bar.Create(10, 10, kWidth, 20));
  CountingEvents events;
  bar.SetEvents(&events);
  MProgress& core = bar.Core();
  core.SetMax(Units(1000));
  core.SetFade(0);
  DispatchCountingPaints(bar.Handle());
  ASSERT_TRUE(test::PumpUntil([&] { return GetUpdateRect(bar.Handle(), nullptr, FALSE) == FALSE; }));

  int steps_with_news = 0, wrong = 0;
  for (int value = 1; value <= 1000; ++value) {
    const BarRect before = core.BarPlace();
    const int percent_before = core.Percent();
    core.SetValue(Units(value));
    const bool news = core.BarPlace() != before || core.Percent() != percent_before;
    steps_with_news += news;
    const int paints = DispatchCountingPaints(bar.Handle());
    if (paints != (news ? 1 : 0)) {
      ADD_FAILURE() << "value " << value << ": " << paints << " paints";
      if (++wrong > 5) break;
    }
  }
  // A whole percent every ten steps, and once more on reaching Max.
  EXPECT_EQ(events.changes, 101);
  EXPECT_GT(steps_with_news, 100);
  EXPECT_LT(steps_with_news, 1000);
  char text[32] = {};
  GetWindowTextA(bar.Handle(), text, sizeof text);
  EXPECT_STREQ(text, " 100 %");
  EXPECT_EQ(core.CaptionText(), " 100 %");
}

TEST(ProgressWindowMessages, AControlTableMakesTheBarFoundByNameWithItsKind) {
  testing::ButtonHostWindow host_window;
  MProgressWindow::Register();
  const ControlDefinition table[] = {
      {"prgCopy", ControlKind::ProgressBar, "Copied", nullptr, 150, 300, 3000, 300, true, 0, {}, 21},
  };
  host_window.Host().Controls().CreateControls(host_window.Handle(), table);
  const std::optional<Form::Found> found = host_window.Host().Controls().Find("PRGCOPY");
  ASSERT_TRUE(found);
  EXPECT_EQ(found->type_name, "MProgress");
  char name[32] = {};
  GetClassNameA(found->handle, name, sizeof name);
  EXPECT_STREQ(name, "MProgress");
  RECT client{};
  GetClientRect(found->handle, &client);
  const int dpi = ScreenDpi();
  EXPECT_EQ(client.right, TwipsToPixels(3000, dpi));
  EXPECT_EQ(client.bottom, TwipsToPixels(300, dpi));
  char text[32] = {};
  GetWindowTextA(found->handle, text, sizeof text);
  EXPECT_STREQ(text, "Copied 0 %");
}

}  // namespace
}  // namespace hushwall
