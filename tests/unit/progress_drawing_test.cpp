#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "controls/progress/progress_drawing.h"
#include "platform/control_error.h"
#include "support/error_number.h"

namespace hushwall {
namespace {

Currency C(double value) { return Currency::FromDouble(value); }

using testing::ErrorNumber;

// Range 0 to 100 on a face of 100 x 20; lengths are rounded halves to even.
TEST(ProgressDrawing, BarPlacementPerDirection) {
  const struct {
    std::int32_t direction;
    double value;
    std::optional<BarRect> bar;
  } rows[] = {
      {0, 50, BarRect{-1, 0, 50, 20}},  // 50.5 goes down to 50
      {0, 100, BarRect{-1, 0, 101, 20}},
      {0, 0, BarRect{-1, 0, 0, 20}},
      {0, 1.5, BarRect{-1, 0, 2, 20}},  // 1.515
      {2, 50, BarRect{50, 0, 50, 20}},
      {2, 2.5, BarRect{98, 0, 2, 20}},
      {2, 3.5, BarRect{96, 0, 4, 20}},
      {1, 12.5, BarRect{0, 18, 100, 2}},
      {1, 100, BarRect{0, 0, 100, 20}},
      {3, 50, BarRect{0, -1, 100, 10}},  // 10.5 goes down to 10
      {3, 70, BarRect{0, -1, 100, 15}},  // 14.7
      {3, 0, BarRect{0, -1, 100, 0}},
      {4, 50, std::nullopt},
      {-1, 50, std::nullopt},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(BarPlacement(row.direction, C(row.value), C(100), 100, 20), row.bar)
        << "direction " << row.direction << ", value " << row.value;
  }
  EXPECT_EQ(BarPlacement(0, C(0), C(0), 100, 20), (BarRect{-1, 0, 0, 20}));
  EXPECT_EQ(ErrorNumber([] { BarPlacement(0, C(1), C(0), 100, 20); }), 11);
  EXPECT_EQ(ErrorNumber([] { BarPlacement(2, C(1), C(1), 40000, 20); }), 6);
  EXPECT_EQ(ErrorNumber([] { BarPlacement(0, C(1), C(1), 32766, 20); }), 0);  // 32767 fits
  EXPECT_EQ(ErrorNumber([] { BarPlacement(0, C(1), C(1), 32767, 20); }), 6);
}

Rgb Grey(int level) { return Rgb(level) * 0x010101u; }

TEST(ProgressDrawing, FadeLineBlendRules) {
  // Black to white over 256 pixels: column i is nearest(i * 255 / 256).
  const std::vector<Rgb> linear = FadeLine(0, 0xFFFFFF, 256, 0);
  ASSERT_EQ(linear.size(), 257u);
  EXPECT_EQ(linear[0], Grey(0));
  EXPECT_EQ(linear[128], Grey(128));  // 127.5 goes up to the even 128
  EXPECT_EQ(linear[255], Grey(254));
  EXPECT_EQ(linear[256], Grey(255));  // past the end, never shown

  const struct {
    std::int32_t blend;
    std::function<int(int)> level;  // expected grey level of column i
  } rows[] = {
      // Black to black over 300 pixels: rules 4 and 5 add cos 0 + / - sin 0 = 1 per
      // pixel and stop at 255; rule 6 subtracts 1 and stays at 0.
      {4, [](int i) { return std::min(i, 255); }},
      {5, [](int i) { return std::min(i, 255); }},
      {6, [](int) { return 0; }},
  };
  for (const auto& row : rows) {
    const std::vector<Rgb> line = FadeLine(0, 0, 300, row.blend);
    ASSERT_EQ(line.size(), 301u);
    for (int i = 0; i <= 300; i += 50) EXPECT_EQ(line[std::size_t(i)], Grey(row.level(i))) << row.blend;
  }

  // Partial steps fall short of the end colour (49.5 goes to the even 50); unknown
  // rules stay flat.
  const struct {
    std::int32_t blend;
    int last_level;
  } partial[] = {{0, 198}, {1, 148}, {2, 99}, {3, 50}, {7, 0}, {-1, 0}};
  for (const auto& row : partial) {
    EXPECT_EQ(FadeLine(0, 0xC8C8C8, 100, row.blend)[99], Grey(row.last_level)) << row.blend;
  }

  // Component split of a negative value, as an unreadable pixel gives it.
  EXPECT_EQ(FadeLine(-1, -1, 4, 0)[3], 0x00FFFFu);
  EXPECT_EQ(FadeLine(0x0000FF, 0xFF0000, 2, 0)[1], 0x800080u);  // 127.5 -> 128 each way
  EXPECT_EQ(ErrorNumber([] { FadeLine(0, 0xFFFFFF, 0, 0); }), 11);
}

TEST(ProgressDrawing, CopiesAreClippedToBothImages) {
  const struct {
    FadeCopy copy;
    std::optional<BarRect> target;
    std::int32_t sx, sy;
  } rows[] = {
      // Empty bar under direction 0: the face copy starts one pixel before the face.
      {FadeCopies(0, 1, 100, 20, 0)[0], BarRect{0, 0, 99, 20}, 1, 0},
      {FadeCopies(0, 1, 100, 20, 0)[1], std::nullopt, 0, 0},
      {FadeCopies(3, 0, 100, 20, 0)[0], BarRect{0, 0, 100, 20}, 0, 0},
      {FadeCopy{false, 1, 0, 50, 20, 60, 0}, BarRect{1, 0, 40, 20}, 60, 0},
      {FadeCopy{true, 0, 0, 0, 20, 0, 0}, std::nullopt, 0, 0},
      {FadeCopy{true, 0, 5, 100, 20, 0, 0}, BarRect{0, 5, 100, 15}, 0, 0},
  };
  for (const auto& row : rows) {
    const std::optional<ClippedCopy> clipped = ClipCopy(row.copy, 100, 20, 100, 20);
    ASSERT_EQ(clipped.has_value(), row.target.has_value());
    if (!clipped) continue;
    EXPECT_EQ(clipped->target, *row.target);
    EXPECT_EQ(clipped->source_x, row.sx);
    EXPECT_EQ(clipped->source_y, row.sy);
  }
}

// A caption 24 x 13 pixels on a face of 100 x 20 (horizontal) or 100 x 40 (vertical).
TEST(ProgressDrawing, CaptionPlacement) {
  const BarRect right{-1, 0, 50, 20}, left{50, 0, 50, 20};
  const BarRect down{0, -1, 100, 20}, up{0, 20, 100, 20};
  const struct {
    std::int32_t direction, alignment, inset;
    BarRect bar;
    bool face, on_bar;
    float fx, fy, bx, by;
  } rows[] = {
      {0, 0, 0, right, true, true, 38, 3.5f, 39, 3.5f},
      {0, 9, 0, right, true, true, 38, 3.5f, 39, 3.5f},
      {0, 0, 1, right, true, true, 39, 4.5f, 40, 4.5f},
      {0, 1, 0, right, true, false, 50, 3.5f, 0, 0},
      {0, 2, 0, right, false, true, 0, 0, 26, 3.5f},
      {0, 3, 0, right, true, false, 63, 3.5f, 0, 0},
      {0, 4, 0, right, false, true, 0, 0, 13, 3.5f},
      {0, 5, 0, right, true, true, 0, 3.5f, 1, 3.5f},
      {0, 6, 0, right, true, true, 76, 3.5f, 77, 3.5f},
      {2, 0, 0, left, true, true, 38, 3.5f, -12, 3.5f},
      {2, 1, 0, left, true, false, 26, 3.5f, 0, 0},
      {2, 2, 0, left, false, true, 0, 0, 0, 3.5f},
      {2, 3, 0, left, true, false, 13, 3.5f, 0, 0},
      {3, 0, 0, down, true, true, 38, 13.5f, 38, 14.5f},
      {3, 1, 0, down, true, false, 38, 20, 0, 0},
      {3, 2, 1, down, false, true, 0, 0, 39, 8},
      {1, 1, 0, up, true, false, 38, 7, 0, 0},
      {1, 3, 0, up, true, false, 38, 3.5f, 0, 0},
      {1, 6, 0, up, true, true, 38, 27, 38, 7},
      {5, 0, 0, right, false, false, 0, 0, 0, 0},
  };
  for (const auto& row : rows) {
    const std::int32_t height = row.direction == 1 || row.direction == 3 ? 40 : 20;
    const CaptionPlacement place =
        PlaceCaption(row.direction, row.alignment, 100, height, row.bar, 24, 13, row.inset);
    SCOPED_TRACE(::testing::Message() << "direction " << row.direction << ", alignment "
                                      << row.alignment << ", inset " << row.inset);
    EXPECT_EQ(place.on_face, row.face);
    EXPECT_EQ(place.on_bar, row.on_bar);
    if (place.on_face) {
      EXPECT_EQ(place.face_x, row.fx);
      EXPECT_EQ(place.face_y, row.fy);
    }
    if (place.on_bar) {
      EXPECT_EQ(place.bar_x, row.bx);
      EXPECT_EQ(place.bar_y, row.by);
    }
  }
}

TEST(ProgressDrawing, CurrencyIsExactAndChecked) {
  const struct {
    const char* text;
    std::int64_t scaled;
    const char* shown;
  } rows[] = {
      {"0", 0, "0"},
      {"10.5", 105000, "10.5"},
      {"-0.0001", -1, "-0.0001"},
      {"922337203685477.5807", INT64_MAX, "922337203685477.5807"},
      {"-922337203685477.5808", INT64_MIN, "-922337203685477.5808"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(Currency::Parse(row.text).Scaled(), row.scaled);
    EXPECT_EQ(Currency::FromScaled(row.scaled).ToText(), row.shown);
  }
  const Currency top = Currency::FromScaled(INT64_MAX);
  const Currency bottom = Currency::FromScaled(INT64_MIN);
  EXPECT_EQ(ErrorNumber([&] { CurrencyAdd(top, kCurrencyOne); }), 6);
  EXPECT_EQ(ErrorNumber([&] { CurrencySub(bottom, kCurrencyOne); }), 6);
  EXPECT_EQ(ErrorNumber([&] { CurrencySub(top, bottom); }), 6);
  EXPECT_EQ(ErrorNumber([] { Currency::Parse("922337203685477.5808"); }), 6);
  EXPECT_EQ(ErrorNumber([] { Currency::FromUnits(INT64_MAX / 1000); }), 6);
  EXPECT_EQ(ErrorNumber([] { Currency::FromDouble(1e20); }), 6);
  EXPECT_EQ(ErrorNumber([] { Currency::Parse("1.23456"); }), 13);
  EXPECT_EQ(ErrorNumber([] { Currency::Parse("."); }), 13);
  EXPECT_EQ(ErrorNumber([] { Currency::FromDouble(1e15); }), 6);
  EXPECT_EQ(Currency::FromDouble(-2.5).Scaled(), -25000);
}

}  // namespace
}  // namespace hushwall
