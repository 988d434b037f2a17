#include <gtest/gtest.h>

#include "controls/button/skin_geometry.h"
#include "controls/button/tile_blit.h"
#include "platform/control_error.h"

namespace hushwall {
namespace {

TEST(FrameWidthTest, RoundsTheFifthHalfToEven) {
  EXPECT_EQ(FrameWidth(150), 30);
  EXPECT_EQ(FrameWidth(152), 30);  // 30.4
  EXPECT_EQ(FrameWidth(153), 31);  // 30.6: frame 5 reaches 2 columns past the image
  EXPECT_EQ(FrameOf(FrameWidth(153), 5).end, 155);
  EXPECT_EQ(FrameWidth(2), 0);  // 0.4
  EXPECT_EQ(FrameWidth(3), 1);  // 0.6
}

SkinLayout DefaultSkin(std::int32_t state, bool fill) {
  SkinLayout layout;
  layout.skin_width = 150;
  layout.skin_height = 21;
  layout.state = state;
  layout.width = 100;
  layout.height = 30;
  layout.fill_with_color = fill;
  return layout;
}

TEST(SkinPiecesTest, DefaultSkinNormalStateGivesTheNinePiecesInOrder) {
  using M = PieceMethod;
  const std::vector<SkinPiece> expected = {
      {{3, 3, 97, 27}, {3, 3, 27, 18}, M::kTiled},
      {{3, 0, 100, 3}, {3, 0, 27, 3}, M::kTiled},
      {{3, 27, 100, 30}, {3, 18, 27, 21}, M::kTiled},
      {{0, 0, 3, 30}, {0, 3, 3, 18}, M::kTiled},
      {{97, 3, 100, 27}, {27, 3, 30, 18}, M::kTiled},
      {{0, 0, 3, 3}, {0, 0, 3, 3}, M::kKeyedCopy},
      {{0, 27, 3, 30}, {0, 18, 3, 21}, M::kKeyedCopy},
      {{97, 0, 100, 3}, {27, 0, 30, 3}, M::kKeyedCopy},
      {{97, 27, 100, 30}, {27, 18, 30, 21}, M::kKeyedCopy},
  };
  EXPECT_EQ(SkinPieces(DefaultSkin(kNormal, false)), expected);
}

TEST(SkinPiecesTest, PressedStateReadsNinetyColumnsFurtherRight) {
  const std::vector<SkinPiece> normal = SkinPieces(DefaultSkin(kNormal, false));
  const std::vector<SkinPiece> pressed = SkinPieces(DefaultSkin(kPressed, false));
  ASSERT_EQ(pressed.size(), normal.size());
  for (std::size_t i = 0; i < normal.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(pressed[i].destination, normal[i].destination);
    const Rect& n = normal[i].source;
    EXPECT_EQ(pressed[i].source, (Rect{n.left + 90, n.top, n.right + 90, n.bottom}));
  }
}

TEST(SkinPiecesTest, FillWithColorMakesTheMiddleASolidFillFromPixelFourFour) {
  const std::vector<SkinPiece> pieces = SkinPieces(DefaultSkin(kNormal, true));
  EXPECT_EQ(pieces.front().method, PieceMethod::kSolidFill);
  EXPECT_EQ(pieces.front().destination, (Rect{3, 3, 97, 27}));
  EXPECT_EQ(FillColourPixel(DefaultSkin(kNormal, true)), (PixelPosition{4, 4}));
  EXPECT_EQ(FillColourPixel(DefaultSkin(kDisabled, true)), (PixelPosition{124, 4}));
}

TEST(SkinPiecesTest, NoEdgesOrCornersUnlessBothCornerSizesArePositive) {
  for (auto [cw, ch] : {std::pair{0, 3}, {3, 0}, {-1, 3}}) {
    SkinLayout layout = DefaultSkin(kNormal, false);
    layout.corner_width = cw;
    layout.corner_height = ch;
    const std::vector<SkinPiece> pieces = SkinPieces(layout);
    ASSERT_EQ(pieces.size(), 1u);
    EXPECT_EQ(pieces[0].destination, (Rect{cw, ch, 100 - cw, 30 - ch}));
  }
}

TEST(SkinPiecesTest, OverflowingExtentIsAnError) {
  SkinLayout layout = DefaultSkin(kNormal, false);
  layout.corner_width = INT32_MIN;
  try {
    SkinPieces(layout);
    FAIL() << "no error";
  } catch (const ControlError& error) {
    EXPECT_EQ(error.Number(), 6);
  }
}

TEST(NormalisedTest, SwapsOnlyInvertedSides) {
  EXPECT_EQ(Normalised({5, 1, 2, 9}), (Rect{2, 1, 5, 9}));
  EXPECT_EQ(Normalised({1, 9, 5, 2}), (Rect{1, 2, 5, 9}));
  EXPECT_EQ(Normalised({1, 2, 5, 9}), (Rect{1, 2, 5, 9}));
}

TEST(CountTilesTest, CeilingOfEachQuotient) {
  struct Case {
    std::int32_t dw, dh, sw, sh, columns, rows;
  } cases[] = {
      {94, 24, 24, 15, 4, 2},  // middle of the worked example
      {97, 3, 24, 3, 5, 1},    // top edge
      {3, 30, 3, 15, 1, 2},    // left edge
      {0, 5, 7, 5, 0, 1},      // nothing across
      {32767, 1, 1, 1, 32767, 1},
  };
  for (const Case& c : cases) {
    const TileCounts counts = CountTiles(c.dw, c.dh, c.sw, c.sh);
    EXPECT_EQ(counts.columns, c.columns) << c.dw << "/" << c.sw;
    EXPECT_EQ(counts.rows, c.rows) << c.dh << "/" << c.sh;
  }
}

TEST(CountTilesTest, QuotientIsRoundedToSinglePrecisionBeforeTheCeiling) {
  // 16777217 / 16777216 is just above 1 in double but exactly 1 as a float.
  EXPECT_EQ(CountTiles(16777217, 1, 16777216, 1).columns, 1);
}

TEST(CountTilesTest, ZeroSourceAndTooManyTilesAreErrors) {
  const auto number = [](auto call) {
    try {
      call();
    } catch (const ControlError& error) {
      return error.Number();
    }
    return 0;
  };
  EXPECT_EQ(number([] { CountTiles(10, 10, 0, 5); }), 11);
  EXPECT_EQ(number([] { CountTiles(10, 10, 5, 0); }), 11);
  EXPECT_EQ(number([] { CountTiles(32768, 1, 1, 1); }), 6);
  EXPECT_EQ(number([] { CountTiles(1, 32768, 1, 1); }), 6);
}

}  // namespace
}  // namespace hushwall
