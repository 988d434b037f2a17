#include <gtest/gtest.h>

#include <functional>

#include "controls/progress/m_progress.h"
#include "platform/control_error.h"
#include "support/progress_fakes.h"
#include "support/error_number.h"

namespace hushwall {
namespace {

using testing::FakeProgressWindow;
using testing::RecordingProgressHost;

Currency C(double value) { return Currency::FromDouble(value); }
Rgb Grey(int level) { return Rgb(level) * 0x010101u; }

const Rgb kBack = Grey(0x0E);  // the default BackColor as the fakes show it
const Rgb kFore = Grey(0x12);  // the default ForeColor

using testing::ErrorNumber;

// A shown control with range 0 to 100.
struct Shown {
  Shown(std::int32_t w, std::int32_t h, std::uint8_t fade) : window(w, h) {
    progress.InitProperties();
    progress.Show();
    progress.SetMax(C(100));
    progress.SetFade(fade);
  }
  RecordingProgressHost host;
  FakeProgressWindow window;
  MProgress progress{host, window};
};

TEST(ProgressPaint, FadeBuffersStayInsideTheirImages) {
  // The fakes fail the test on any pixel written past a buffer's end.
  Shown wide(256, 6, 1);
  wide.progress.SetFadeBG1(0);
  wide.progress.SetFadeBG2(0xFFFFFF);
  const auto& background = wide.window.background;
  for (std::int32_t y : {0, 5}) {
    EXPECT_EQ(background.pixels[std::size_t(y) * 256 + 128], Grey(128));
    EXPECT_EQ(background.pixels[std::size_t(y) * 256 + 255], Grey(254));
  }
  // A system colour is drawn as the display shows it.
  wide.progress.SetFadeFG1(0x80000005);
  EXPECT_EQ(wide.window.bar_fade.pixels[0], Grey(5));

  Shown tall(6, 256, 2);
  tall.progress.SetFadeBG1(0xFFFFFF);
  tall.progress.SetFadeBG2(0);
  EXPECT_EQ(tall.window.background.pixels[255 * 6 + 5], Grey(1));
  EXPECT_EQ(tall.window.background.pixels[0], Grey(255));
}

TEST(ProgressPaint, FadeOverNoPixelsIsDivisionByZero) {
  Shown flat(0, 20, 2);  // vertical fades need no width
  const int face_clears = flat.window.face.clears;
  EXPECT_EQ(ErrorNumber([&] { flat.progress.SetFade(1); }), 11);
  EXPECT_EQ(flat.progress.Fade(), 1);
  EXPECT_EQ(flat.window.face.clears, face_clears + 1);
  // The resize handling goes on after it.
  flat.host.journal.clear();
  EXPECT_EQ(ErrorNumber([&] { flat.progress.SizeChanged(); }), 0);
  EXPECT_EQ(flat.host.Count("Resize"), 1);
}

// Fades run along the bar; every shown pixel's colour is looked up in the buffer it
// must come from, by its position along the axis.
TEST(ProgressPaint, FadeStageCopiesPerDirectionAndStyle) {
  const std::int32_t w = 60, h = 40;
  for (std::int32_t direction = 0; direction < 4; ++direction) {
    const bool vertical = direction == 1 || direction == 3;
    const bool forward = direction == 0 || direction == 3;
    for (std::int32_t style = 0; style < 2; ++style) {
      SCOPED_TRACE(::testing::Message() << "direction " << direction << ", style " << style);
      Shown s(w, h, vertical ? 2 : 1);
      s.progress.SetDisablePercent(true);  // no caption over the fades
      s.progress.SetFadeBG1(0x000000);
      s.progress.SetFadeBG2(0x00C800);
      s.progress.SetFadeFG1(0x0000FF);
      s.progress.SetFadeFG2(0xC80000);
      s.progress.SetDirection(direction);
      s.progress.SetFadeStyle(style);
      s.progress.SetValue(C(30));
      const std::int32_t extent = vertical ? h : w;
      const std::int32_t n = vertical ? s.progress.BarPlace().height : s.progress.BarPlace().width;
      const std::int32_t filled = forward ? n - 1 : n;  // visible filled lines
      // Along-axis index of the first filled line and of the edge on the face.
      const std::int32_t fill_start = forward ? 0 : extent - filled;
      auto dbg = [&](std::int32_t i) { return s.window.background.pixels[std::size_t(vertical ? i * w : i)]; };
      auto dfg = [&](std::int32_t i) { return s.window.bar_fade.pixels[std::size_t(vertical ? i * w : i)]; };
      auto shown = [&](std::int32_t i) { return vertical ? s.window.Shown(7, i) : s.window.Shown(i, 7); };
      for (std::int32_t i = 0; i < extent; ++i) {
        const bool in_bar = i >= fill_start && i < fill_start + filled;
        Rgb expected;
        if (style == 0) {
          expected = in_bar ? dfg(i) : dbg(i);
        } else if (forward) {
          // The bar shows the end of its fade; the unfilled part starts its fade.
          expected = in_bar ? dfg(extent - filled + i) : dbg(i - filled);
        } else {
          expected = in_bar ? dfg(i - fill_start) : dbg(i + filled);
        }
        ASSERT_EQ(shown(i), expected) << "line " << i;
      }
    }
  }
}

TEST(ProgressPaint, CaptionChangesColourAtTheBarEdge) {
  Shown s(100, 20, 0);
  s.progress.SetValue(C(50));
  ASSERT_EQ(s.progress.CaptionText(), " 50 %");  // 30 pixels wide from x = 35
  EXPECT_EQ(s.window.Shown(40, 8), kBack);  // text over the bar
  EXPECT_EQ(s.window.Shown(55, 8), kFore);  // text over the unfilled part
  EXPECT_EQ(s.window.Shown(10, 8), kFore);  // bar
  EXPECT_EQ(s.window.Shown(80, 8), kBack);  // unfilled
  EXPECT_EQ(s.window.Shown(40, 1), kFore);  // above the text
}

// Without fades a paint prints only a caption whose text changed; after these the
// caption must still show, in its new place.
TEST(ProgressPaint, CaptionShowsAfterClearsAndLookChanges) {
  const struct {
    const char* what;
    std::function<void(Shown&)> change;
    std::int32_t x;  // a pixel inside the caption, on the unfilled part
  } rows[] = {
      {"fade colour", [](Shown& s) { s.progress.SetFadeBG1(5); }, 55},
      {"blend", [](Shown& s) { s.progress.SetBlend(2); }, 55},
      {"resize", [](Shown& s) { s.window.width = 140; s.progress.SizeChanged(); }, 75},
      {"font", [](Shown& s) { s.progress.SetFont(FontDescription{"Arial", 10}); }, 55},
      {"alignment", [](Shown& s) { s.progress.SetAlignment(6); }, 95},
      {"caption", [](Shown& s) { s.progress.SetCaption("ab"); }, 60},
      {"border", [](Shown& s) { s.progress.SetBorderStyle(1); }, 55},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    Shown s(100, 20, 0);
    s.progress.SetValue(C(50));
    row.change(s);
    EXPECT_EQ(s.window.Shown(row.x, 8), kFore);
    EXPECT_EQ(s.window.face.prints.back().text, s.progress.CaptionText());
  }
  // A grown bar carries the text into its new column although the whole percent
  // stayed, and an emptied caption leaves no old text behind, on a bar that paints
  // by itself and on one that waits for Refresh.
  for (const bool manual : {false, true}) {
    SCOPED_TRACE(manual ? "manual refresh" : "automatic");
    Shown s(100, 20, 0);
    s.progress.SetValue(C(50));
    s.progress.SetValue(C(50.9));
    ASSERT_EQ(s.progress.BarPlace().width, 51);
    EXPECT_EQ(s.window.Shown(49, 8), kBack);
    s.progress.SetManualRefresh(manual);
    s.progress.SetDisablePercent(true);
    s.progress.Refresh();
    EXPECT_EQ(s.progress.CaptionText(), "");
    EXPECT_EQ(s.window.Shown(55, 8), kBack);
  }
}

TEST(ProgressPaint, CaptionText) {
  const struct {
    std::function<void(MProgress&)> set;
    const char* text;
  } rows[] = {
      {[](MProgress&) {}, " 0 %"},
      {[](MProgress& p) { p.SetValue(C(100)); }, " 100 %"},
      {[](MProgress& p) { p.SetShowCustomCaption(true); p.SetValue(C(100)); }, "Done!"},
      {[](MProgress& p) { p.SetShowCustomCaption(true); p.SetValue(C(99.9999)); }, " 99 %"},
      {[](MProgress& p) { p.SetCaption("Copying"); p.SetCaption2("percent"); p.SetValue(C(7)); },
       "Copying 7 percent"},
      {[](MProgress& p) { p.SetCaption("Wait"); p.SetDisablePercent(true); }, "Wait"},
      {[](MProgress& p) {
         p.SetShowCustomCaption(true);
         p.SetValue(C(100));
         p.SetCaption("Wait");
         p.SetDisablePercent(true);
       },
       "Wait"},
  };
  for (const auto& row : rows) {
    Shown s(100, 20, 2);
    row.set(s.progress);
    EXPECT_EQ(s.progress.CaptionText(), row.text);
    EXPECT_EQ(s.progress.CaptionWidth(), std::int16_t(6 * std::string(row.text).size()));
  }
}

TEST(ProgressPaint, UnknownDirectionPrintsNoCaption) {
  Shown s(100, 20, 0);
  s.progress.SetValue(C(50));
  const BarRect bar = s.progress.BarPlace();
  const int prints = s.window.Prints();
  s.progress.SetDirection(5);
  EXPECT_EQ(s.progress.BarPlace(), bar);
  EXPECT_EQ(s.window.Prints(), prints);
  EXPECT_EQ(s.window.Shown(55, 8), kBack);  // cleared
}

TEST(ProgressPaint, ManualRefreshDrawsOnlyOnRefresh) {
  Shown s(100, 20, 1);
  s.progress.SetManualRefresh(true);
  const int prints = s.window.Prints();
  s.progress.SetValue(C(80));
  s.window.width = 120;
  s.progress.SizeChanged();
  EXPECT_EQ(s.progress.BarPlace().width, 0);
  EXPECT_EQ(s.window.Prints(), prints);
  EXPECT_EQ(s.window.background.Width(), 120);
  s.host.journal.clear();
  s.progress.Refresh();
  EXPECT_EQ(s.progress.BarPlace(), (BarRect{-1, 0, 97, 20}));  // 80 * 121 / 100 = 96.8
  EXPECT_GT(s.window.Prints(), prints);
  EXPECT_EQ(s.host.journal, (std::vector<std::string>{"BarResize"}));
}

TEST(ProgressPaint, BarResizeOnlyWhenTheBarChangesSize) {
  Shown s(100, 20, 1);
  const struct {
    double value;
    int bar_resizes;
  } rows[] = {{10, 1}, {10.2, 0}, {10.5, 1}, {0, 1}, {0, 0}};
  for (const auto& row : rows) {
    s.host.journal.clear();
    s.progress.SetValue(C(row.value));
    EXPECT_EQ(s.host.Count("BarResize"), row.bar_resizes) << row.value;
  }
}

}  // namespace
}  // namespace hushwall
