#include <gtest/gtest.h>

#include <functional>
#include <limits>

#include "controls/progress/m_progress.h"
#include "platform/control_error.h"
#include "platform/layout.h"
#include "support/progress_fakes.h"
#include "support/error_number.h"

namespace hushwall {
namespace {

using Lines = std::vector<std::string>;

Currency C(double value) { return Currency::FromDouble(value); }

using testing::ErrorNumber;

class ProgressModelTest : public ::testing::Test {
 protected:
  ProgressModelTest() {
    progress.InitProperties();
    progress.Show();
    host.journal.clear();
  }
  void Range(double min, double max, double value) {
    progress.SetMax(C(max));
    progress.SetMin(C(min));
    progress.SetMax(C(max));
    progress.SetValue(C(value));
    host.journal.clear();
  }
  // The Change events in the journal.
  Lines Events() const {
    Lines events;
    for (const std::string& line : host.journal) {
      if (line == "Change") events.push_back(line);
    }
    return events;
  }

  testing::RecordingProgressHost host;
  testing::FakeProgressWindow window{100, 20};
  MProgress progress{host, window};
};

TEST_F(ProgressModelTest, NewInstance) {
  EXPECT_EQ(progress.Min(), C(0));
  EXPECT_EQ(progress.Max(), C(10000));
  EXPECT_EQ(progress.Value(), C(0));
  EXPECT_EQ(progress.Percent(), 0);
  EXPECT_EQ(progress.Fade(), 2);
  EXPECT_EQ(progress.FadeStyle(), 1);
  EXPECT_EQ(progress.BorderStyle(), 6);
  EXPECT_EQ(progress.Inset(), 0);
  EXPECT_EQ(progress.Font(), host.ambient_font);
  EXPECT_EQ(window.face.font, host.ambient_font);
  EXPECT_EQ(progress.CaptionText(), " 0 %");
  EXPECT_EQ(progress.ValueRange(), C(10000));
}

// Each row: a setter with an argument, the error it raises (0 none, -1 the
// platform's own) and what the property reads afterwards.
TEST_F(ProgressModelTest, SetterChecks) {
  using Set = void (MProgress::*)(std::int32_t);
  using Get = std::int32_t (MProgress::*)() const;
  const struct {
    Set set;
    Get get;
    std::int32_t argument;
    int error;
    std::int32_t after;
  } rows[] = {
      {&MProgress::SetAlignment, &MProgress::Alignment, 255, 0, 255},
      {&MProgress::SetAlignment, &MProgress::Alignment, 256, 6, 0},
      {&MProgress::SetAlignment, &MProgress::Alignment, -1, 6, 0},
      {&MProgress::SetFade, &MProgress::Fade, 256, 6, 2},
      {&MProgress::SetFade, &MProgress::Fade, 3, 0, 3},
      {&MProgress::SetFadeStyle, &MProgress::FadeStyle, 5, 0, 1},
      {&MProgress::SetFadeStyle, &MProgress::FadeStyle, -1, 6, 1},
      {&MProgress::SetFadeStyle, &MProgress::FadeStyle, 0, 0, 0},
      {&MProgress::SetBorderStyle, &MProgress::BorderStyle, 9, 0, 6},
      {&MProgress::SetBorderStyle, &MProgress::BorderStyle, -3, 0, -3},
      {&MProgress::SetScaleMode, &MProgress::ScaleMode, 40000, 6, 1},
      {&MProgress::SetScaleMode, &MProgress::ScaleMode, -32768, 0, -32768},
      {&MProgress::SetScaleMode, &MProgress::ScaleMode, 99, -1, 99},  // stored, then rejected
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.argument);
    MProgress fresh{host, window};
    fresh.InitProperties();
    fresh.Show();
    int error = 0;
    try {
      (fresh.*row.set)(row.argument);
    } catch (const ControlError& e) {
      error = e.Number();
    } catch (const std::exception&) {
      error = -1;
    }
    EXPECT_EQ(error, row.error);
    EXPECT_EQ((fresh.*row.get)(), row.after);
  }
  EXPECT_EQ(ErrorNumber([&] { progress.SetPercent(1); }), 393);
  host.design_mode = true;
  EXPECT_EQ(ErrorNumber([&] { progress.SetPercent(1); }), 382);
  EXPECT_EQ(progress.Percent(), 0);
  progress.SetBorderStyle(2);
  EXPECT_EQ(progress.Inset(), 1);
  progress.SetBorderStyle(-3);
  EXPECT_EQ(progress.Inset(), 0);
}

// Setters report under the persisted key, which is not always the property's name.
TEST_F(ProgressModelTest, ReportsUseBagKeys) {
  struct Row {
    std::function<void(MProgress&)> set;
    Lines reports;
  };
  const Row rows[] = {
      {[](MProgress& p) { p.SetAlignment(3); }, {"PercentAlign"}},
      {[](MProgress& p) { p.SetCaption("a"); }, {"PercentBefore"}},
      {[](MProgress& p) { p.SetCaption2("b"); }, {"PercentAfter"}},
      {[](MProgress& p) { p.SetCustomCaption("c"); }, {"CustomText"}},
      {[](MProgress& p) { p.SetShowCustomCaption(true); }, {"Custom"}},
      {[](MProgress& p) { p.SetDisablePercent(true); }, {"NoPercent"}},
      {[](MProgress& p) { p.SetDirection(2); }, {"Direction", "Reverse", "Vertical"}},
      {[](MProgress& p) { p.SetFadeBG2(1); }, {"FadeBG2"}},
      {[](MProgress& p) { p.SetMax(C(5)); }, {"Max"}},
      {[](MProgress& p) { p.SetValue(C(5)); }, {"Value"}},
  };
  for (const Row& row : rows) {
    host.journal.clear();
    row.set(progress);
    Lines reports;
    for (const std::string& line : host.journal) {
      if (line.rfind("report ", 0) == 0) reports.push_back(line.substr(7));
    }
    EXPECT_EQ(reports, row.reports);
  }
}

TEST_F(ProgressModelTest, RangeSettersClampAndKeepPercent) {
  Range(0, 100, 80);
  progress.SetMax(C(50));
  EXPECT_EQ(progress.Value(), C(50));
  EXPECT_EQ(progress.Percent(), 80);
  EXPECT_EQ(progress.BarPlace(), (BarRect{-1, 0, 101, 20}));  // full bar
  EXPECT_EQ(Events(), Lines{});

  progress.SetMax(C(-7));
  EXPECT_EQ(progress.Max(), C(1));
  progress.SetMin(C(3));
  EXPECT_EQ(progress.Min(), C(0));
  progress.SetMax(C(10.5));
  progress.SetMin(C(20));
  EXPECT_EQ(progress.Min(), C(9.5));
  EXPECT_EQ(progress.Value(), C(9.5));
}

// Each row moves Value within a range and lists the events and percent that follow.
TEST_F(ProgressModelTest, ChangeEventsAtWholePercentsAndEnds) {
  const struct {
    double min, max, from, to;
    bool manual;
    Lines events;
    int percent;
    bool handler_fails = false;  // every error inside SetValue is ignored
  } rows[] = {
      {0, 100, 99, 100, false, {"Change", "Change"}, 100, true},
      {0, 100, 99, 100, false, {"Change", "Change"}, 100},
      {0, 100, 10.2, 10.7, false, {}, 10},
      {0, 100, 0.5, 0, false, {"Change"}, 0},
      {0, 100, 100, 150, false, {}, 100},
      {0, 100, 50, 100, true, {"Change", "Change"}, 100},
      {0, 100, 28.9, 29, false, {}, 28},  // 0.29 * 100 is 28.999... in double
      {-50, 50, 40, 0, false, {"Change"}, 50},
      {0, 3, 1, 2, false, {"Change"}, 66},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.to);
    Range(row.min, row.max, row.from);
    progress.SetManualRefresh(row.manual);
    const int prints = window.Prints();
    host.journal.clear();
    host.on_change = [&] { if (row.handler_fails) throw ControlError(5, "Change"); };
    progress.SetValue(C(row.to));
    EXPECT_EQ(Events(), row.events);
    EXPECT_EQ(progress.Percent(), row.percent);
    EXPECT_EQ(host.Count("report Value"), 1);
    if (row.manual) {
      EXPECT_EQ(window.Prints(), prints);
    }
    progress.SetManualRefresh(false);
  }
  // 0 to 0.5 with the percentage still 0: neither a new percent nor an end.
  Range(0, 100, 0);
  progress.SetValue(C(0.5));
  EXPECT_EQ(Events(), Lines{});
}

TEST_F(ProgressModelTest, ChangeHandlerMaySetValueAgain) {
  Range(0, 100, 50);
  int depth = 0;
  host.on_change = [&] {
    if (depth++ == 0) progress.SetValue(C(0));
  };
  progress.SetValue(C(100));
  // Outer new percent, the inner new percent and Min reached, then the outer end
  // check sees the Value the handler left.
  EXPECT_EQ(host.Count("Change"), 4);
  EXPECT_EQ(progress.Value(), C(0));
  EXPECT_EQ(progress.Percent(), 0);
  EXPECT_EQ(progress.BarPlace().width, 0);
}

TEST_F(ProgressModelTest, ExtremeValuesOverflowCleanly) {
  const Currency top = Currency::FromScaled(std::numeric_limits<std::int64_t>::max());
  const Currency bottom = Currency::FromScaled(std::numeric_limits<std::int64_t>::min());
  progress.SetMax(top);
  EXPECT_EQ(ErrorNumber([&] { progress.SetMin(top); }), 0);
  EXPECT_EQ(progress.Min(), CurrencySub(top, kCurrencyOne));
  // Min + 1 does not fit any more once Min is the largest value.
  PropertyBag bag;
  bag.Set("Min", std::string("922337203685477.5807"));
  bag.Set("Max", std::string("922337203685477.5807"));
  progress.ReadProperties(bag);
  EXPECT_EQ(ErrorNumber([&] { progress.SetMax(C(1)); }), 6);

  // Value - Min beyond the range: the show fails, a Value assignment goes on.
  bag = PropertyBag();
  bag.Set("Min", std::string("-922337203685477.5808"));
  bag.Set("Max", std::string("922337203685477.5807"));
  bag.Set("Value", 5);
  progress.ReadProperties(bag);
  EXPECT_EQ(progress.Min(), bottom);
  EXPECT_EQ(ErrorNumber([&] { progress.Show(); }), 6);
  EXPECT_EQ(ErrorNumber([&] { progress.SetValue(C(6)); }), 0);
  EXPECT_EQ(progress.Value(), C(6));

  // A bar longer than 16 bits leaves the bar where it was.
  testing::FakeProgressWindow wide{40000, 10};
  MProgress long_bar{host, wide};
  long_bar.InitProperties();
  long_bar.Show();
  long_bar.SetValue(C(5000));
  EXPECT_EQ(long_bar.BarPlace().width, 20000);
  long_bar.SetValue(C(10000));
  EXPECT_EQ(long_bar.BarPlace().width, 20000);
  EXPECT_EQ(long_bar.Percent(), 100);
}

// Every key away from its default, in the persisted order, under the key names.
constexpr const char* kFullSet =
    "[bar]\nBackColor = 1193046\nBlend = 3\nBorderStyle = 1\nCustom = True\n"
    "CustomText = \"Fertig\"\nDirection = 3\nFade = 1\nFadeBG1 = 1\nFadeBG2 = 2\n"
    "FadeFG1 = 3\nFadeFG2 = -2147483647\nFadeStyle = 0\nFont = Font(\"Arial\", 12, bold)\n"
    "ForeColor = 4\nInterval = 9\nManualRefresh = True\nMax = 1234.5678\nMin = -2\n"
    "NoPercent = True\nPercent = 77\nPercentAfter = \"pc\"\nPercentAlign = 4\n"
    "PercentBefore = \"at\"\nReverse = True\nScaleMode = 3\nValue = 5\nVertical = True\n";

TEST_F(ProgressModelTest, PersistenceRoundTripInKeyOrder) {
  const Layout layout = ParseLayout(kFullSet);
  const PropertyBag& full = *layout.Find("bar");
  ASSERT_EQ(full.Entries().size(), 27u);
  progress.ReadProperties(full);
  EXPECT_EQ(progress.Max(), C(1234.5678));
  EXPECT_EQ(progress.FadeFG2(), 0x80000001u);
  EXPECT_EQ(progress.Direction(), 3);
  EXPECT_TRUE(progress.Reverse());  // as loaded, not derived
  PropertyBag written;
  written.Set("Value", 1);  // a stale entry moves to its place
  progress.WriteProperties(written);
  PropertyBag expected = full;
  expected.Set("FadeFG2", std::int64_t(0x80000001u));  // colours are written unsigned
  EXPECT_EQ(written.Entries(), expected.Entries());

  MProgress defaults{host, window};
  PropertyBag empty;
  defaults.ReadProperties(empty);
  defaults.WriteProperties(empty);
  EXPECT_TRUE(empty.Empty());
  EXPECT_EQ(defaults.Max(), C(10000));
  EXPECT_EQ(defaults.Font(), host.ambient_font);
}

TEST_F(ProgressModelTest, LoadStopsAtValueThatDoesNotConvert) {
  PropertyBag bag;
  bag.Set("Blend", 4);
  bag.Set("FadeStyle", 300);  // not a byte
  bag.Set("ForeColor", 7);
  MProgress loaded{host, window};
  EXPECT_EQ(ErrorNumber([&] { loaded.ReadProperties(bag); }), 6);
  EXPECT_EQ(loaded.Blend(), 4);
  EXPECT_EQ(loaded.Fade(), 2);  // read before, as its default
  EXPECT_EQ(loaded.FadeStyle(), 0);
  EXPECT_EQ(loaded.ForeColor(), 0u);
  EXPECT_EQ(loaded.Max(), C(0));
  EXPECT_EQ(loaded.CustomCaption(), "Done!");
}

TEST_F(ProgressModelTest, LoadedStateIsTakenAsItIs) {
  PropertyBag bag;
  bag.Set("Max", 20);
  bag.Set("Min", 20);
  bag.Set("Value", 30);
  bag.Set("Percent", 42);
  bag.Set("Fade", 0);
  MProgress loaded{host, window};
  loaded.ReadProperties(bag);
  loaded.Show();
  EXPECT_EQ(loaded.ValueRange(), C(0));
  EXPECT_EQ(loaded.CaptionText(), " 42 %");
  // Positioning divides by zero and is skipped; the bar keeps its start geometry.
  EXPECT_EQ(loaded.BarPlace(), BarRect{});
  loaded.SetValue(C(25));  // clamped to Max 20; the percentage step fails and is skipped
  EXPECT_EQ(loaded.Value(), C(20));
  EXPECT_EQ(loaded.Percent(), 42);
}

}  // namespace
}  // namespace hushwall
