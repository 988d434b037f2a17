#include <gtest/gtest.h>

#include "support/button_fixture.h"

namespace hushwall {
namespace {

using testing::CanvasCall;
using testing::FakePicture;
using testing::FakeSkin;
using testing::Journal;
using testing::Op;

class PaintTest : public testing::ButtonFixture {
 protected:
  PaintTest() { button.InitProperties(); }
  void AttachSkin() { button.SetSkinPictureName("MyButtonDefSkin"); }
  // Paints one state on a clean record.
  const std::vector<CanvasCall>& Paint(std::int16_t state) {
    canvas().calls.clear();
    button.PaintState(state);
    return canvas().calls;
  }
  testing::RecordingCanvas& canvas() { return window.canvas; }
  std::vector<CanvasCall> Texts() const { return window.canvas.Calls(Op::kText); }
};

TEST_F(PaintTest, WorkedExampleTilesEachPieceFromItsSource) {
  AttachSkin();
  button.SetFillWithColor(false);
  Paint(kNormal);
  const std::vector<CanvasCall> copies = canvas().Calls(Op::kCopy);
  // Middle 4 x 2 of 24 x 15, top and bottom 5 each, left and right 2 each.
  ASSERT_EQ(copies.size(), 8u + 5 + 5 + 2 + 2);
  EXPECT_EQ(copies[0].rect, (Rect{3, 3, 27, 18}));
  EXPECT_EQ(copies[7].rect, (Rect{75, 18, 99, 33}));  // runs past (97, 27)
  for (int i = 0; i < 8; ++i) EXPECT_EQ(std::pair(copies[i].sx, copies[i].sy), std::pair(3, 3));
  EXPECT_EQ(copies[12].rect, (Rect{99, 0, 123, 3}));  // last top tile
  EXPECT_EQ(copies[13].rect, (Rect{3, 27, 27, 30}));  // first bottom tile
  EXPECT_EQ(std::pair(copies[13].sx, copies[13].sy), std::pair(3, 18));
  EXPECT_EQ(copies[18].rect, (Rect{0, 0, 3, 15}));   // left edge, from (0, 3)
  EXPECT_EQ(copies[19].rect, (Rect{0, 15, 3, 30}));
  EXPECT_EQ(copies[20].rect, (Rect{97, 3, 100, 18}));  // right edge, from (27, 3)
  EXPECT_EQ(copies[21].rect, (Rect{97, 18, 100, 33}));
  EXPECT_EQ(std::pair(copies[21].sx, copies[21].sy), std::pair(27, 3));

  const std::vector<CanvasCall> corners = canvas().Calls(Op::kKeyedCopy);
  ASSERT_EQ(corners.size(), 4u);
  const std::pair<int, int> sources[] = {{0, 0}, {0, 18}, {27, 0}, {27, 18}};
  const Rect places[] = {{0, 0, 3, 3}, {0, 27, 3, 30}, {97, 0, 100, 3}, {97, 27, 100, 30}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(corners[i].rect, places[i]);
    EXPECT_EQ(std::pair(corners[i].sx, corners[i].sy), sources[i]);
    EXPECT_EQ(corners[i].colour, 0xFF00FFu);
  }
}

TEST_F(PaintTest, SkinnedDrawingOrderAndBackground) {
  AttachSkin();
  button.SetBackColor(0x80000005);
  const std::vector<CanvasCall>& calls = Paint(kNormal);
  std::vector<Op> ops;
  for (const CanvasCall& call : calls) {
    if (ops.empty() || ops.back() != call.op) ops.push_back(call.op);
  }
  EXPECT_EQ(ops, (std::vector<Op>{Op::kFill, Op::kCopy, Op::kKeyedCopy, Op::kText, Op::kPresent}));
  EXPECT_EQ(calls[0].rect, (Rect{0, 0, 100, 30}));
  EXPECT_EQ(calls[0].colour, 0x050505u);  // translated before use
  // FillWithColor (the default): middle from skin pixel (4, 4), read before painting.
  EXPECT_EQ(calls[1].op, Op::kFill);
  EXPECT_EQ(calls[1].rect, (Rect{3, 3, 97, 27}));
  EXPECT_EQ(calls[1].colour, FakeSkin::PixelColour(4, 4));
  EXPECT_TRUE(skin->pixel_scale);
}

TEST_F(PaintTest, PlainLookIsTheSameInEveryState) {
  button.SetText("Hi");
  button.SetTextColorEnabled(0x0000FF);
  button.SetDrawFocus(3);
  button.SetPicture(FakePicture::Pixels(16, 16));
  const std::vector<CanvasCall> first = Paint(kNormal);
  ASSERT_EQ(first.size(), 3u);
  EXPECT_EQ(first[0].op, Op::kFill);
  EXPECT_EQ(first[0].colour, 0x0F0F0Fu);  // button face
  EXPECT_EQ(first[1].op, Op::kText);
  EXPECT_EQ(first[1].rect, (Rect{0, 0, 100, 30}));
  EXPECT_EQ(first[1].colour, 0x80000012u);  // the surface's own text colour
  for (std::int16_t state : {kFocused, kHover, kPressed, kDisabled}) {
    const std::vector<CanvasCall> again = Paint(state);
    ASSERT_EQ(again.size(), first.size());
    for (std::size_t i = 0; i < again.size(); ++i) {
      EXPECT_EQ(again[i].rect, first[i].rect);
      EXPECT_EQ(again[i].colour, first[i].colour);
    }
    EXPECT_EQ(button.DrawnState(), state);
  }
}

TEST_F(PaintTest, DisableHoverSkipsHoverEntirely) {
  button.PaintState(kFocused);
  button.SetDisableHover(true);
  EXPECT_TRUE(Paint(kHover).empty());
  EXPECT_EQ(button.DrawnState(), kFocused);
}

TEST_F(PaintTest, TextFormatFollowsTextAlign) {
  AttachSkin();
  for (auto [align, format] : {std::pair{0, 0x8024u}, {1, 0x8026u}, {2, 0x8025u}, {5, 0x8024u},
                               {-1, 0x8024u}}) {
    button.SetTextAlign(align);
    Paint(kNormal);
    ASSERT_EQ(Texts().size(), 1u);
    EXPECT_EQ(Texts()[0].format, format) << align;
  }
}

TEST_F(PaintTest, CaptionRectanglePerStateWithDisplaceText) {
  AttachSkin();
  button.SetDisplaceText(1);
  for (std::int16_t state : {kNormal, kFocused, kHover}) {
    Paint(state);
    EXPECT_EQ(Texts().at(0).rect, (Rect{3, 3, 94, 27}));
  }
  Paint(kPressed);
  EXPECT_EQ(Texts().at(0).rect, (Rect{4, 4, 95, 28}));
}

TEST_F(PaintTest, CaptionColoursAndTheRestoredSurfaceColour) {
  AttachSkin();
  button.SetTextColorEnabled(0x00AA00);
  button.SetTextColorDisabled(0xFFFFFF);
  button.SetTextColorDisabled2(0xFFFFFF);
  Paint(kHover);
  EXPECT_EQ(Texts().at(0).colour, 0x00AA00u);

  Paint(kDisabled);  // equal colours: one drawing
  ASSERT_EQ(Texts().size(), 1u);
  EXPECT_EQ(Texts()[0].colour, 0xFFFFFFu);

  button.SetTextColorDisabled2(0x808080);
  Paint(kDisabled);  // engraved: the second colour first, one pixel right and down
  ASSERT_EQ(Texts().size(), 2u);
  EXPECT_EQ(Texts()[0].colour, 0x808080u);
  EXPECT_EQ(Texts()[0].rect, (Rect{4, 4, 95, 28}));
  EXPECT_EQ(Texts()[1].colour, 0xFFFFFFu);
  EXPECT_EQ(Texts()[1].rect, (Rect{3, 3, 94, 27}));
  EXPECT_EQ(canvas().text_colour, 0x80000012u);
}

TEST_F(PaintTest, FocusRectangleOnlyWhenFocusedOrPressed) {
  AttachSkin();
  button.SetDrawFocus(3);
  for (std::int16_t state : {kNormal, kFocused, kHover, kPressed, kDisabled}) {
    Paint(state);
    const std::vector<CanvasCall> focus = canvas().Calls(Op::kFocusRect);
    if (state == kFocused || state == kPressed) {
      ASSERT_EQ(focus.size(), 1u) << state;
      EXPECT_EQ(focus[0].rect, (Rect{3, 3, 97, 27}));
    } else {
      EXPECT_TRUE(focus.empty()) << state;
    }
  }
  button.SetDrawFocus(0);
  Paint(kFocused);
  EXPECT_TRUE(canvas().Calls(Op::kFocusRect).empty());
}

struct Placement {
  std::int32_t pos;
  std::int16_t state;
  std::int16_t displace;
  double height;
  std::int32_t picture_w, picture_h;
  Rect picture;        // x, y, x + w, y + h
  Rect caption;        // unused when no caption is drawn
  bool caption_drawn;
};

class PicturePlacementTest : public PaintTest, public ::testing::WithParamInterface<Placement> {};

TEST_P(PicturePlacementTest, PlacesPictureAndCaption) {
  const Placement& p = GetParam();
  canvas().height = p.height;
  AttachSkin();
  button.SetPicture(FakePicture::Pixels(p.picture_w, p.picture_h));
  button.SetPicturePos(p.pos);
  button.SetDisplaceText(p.displace);
  Paint(p.state);
  const std::vector<CanvasCall> pictures =
      canvas().Calls(p.state == kDisabled ? Op::kDisabledPicture : Op::kPicture);
  ASSERT_EQ(pictures.size(), 1u);
  EXPECT_EQ(pictures[0].rect, p.picture);
  EXPECT_EQ(pictures[0].colour, 0xFF00FFu);  // PictureTColor
  ASSERT_EQ(Texts().size(), p.caption_drawn ? 1u : 0u);
  if (p.caption_drawn) {
    EXPECT_EQ(Texts()[0].rect, p.caption);
  }
}

// CW = CH = 3, W = 100, line height 13.
INSTANTIATE_TEST_SUITE_P(
    Examples, PicturePlacementTest,
    ::testing::Values(
        // Left: picture at x = 6, caption from x = 25.
        Placement{0, kNormal, 0, 30, 16, 16, {6, 7, 22, 23}, {25, 3, 94, 27}, true},
        // Above, H = 40: PY = round((21 - 13) / 2) = 4, caption 23 to round(15.6 + 23).
        Placement{1, kNormal, 0, 40, 16, 16, {42, 4, 58, 20}, {3, 23, 94, 39}, true},
        // Below, H = 40: caption top 4, bottom 20, picture 3 below.
        Placement{2, kNormal, 0, 40, 16, 16, {42, 23, 58, 39}, {3, 4, 94, 20}, true},
        // Right: PX = 94 - 16 - 3 + 3 - 3.
        Placement{3, kNormal, 0, 30, 16, 16, {75, 7, 91, 23}, {3, 3, 72, 27}, true},
        // Alone, displaced in every state, no caption.
        Placement{4, kNormal, 2, 30, 16, 16, {44, 7, 60, 23}, {}, false},
        Placement{7, kNormal, 0, 30, 16, 16, {0, 7, 16, 23}, {3, 3, 94, 27}, true},
        // Half to even: (30 - 15) / 2 = 7.5 gives 8, (30 - 13) / 2 = 8.5 gives 8.
        Placement{7, kNormal, 0, 30, 16, 15, {0, 8, 16, 23}, {3, 3, 94, 27}, true},
        Placement{7, kNormal, 0, 30, 16, 13, {0, 8, 16, 21}, {3, 3, 94, 27}, true},
        // Pressed with d = 2: d twice where the caption rectangle is used again.
        Placement{0, kPressed, 2, 30, 16, 16, {8, 9, 24, 25}, {29, 5, 96, 29}, true},
        Placement{3, kPressed, 2, 30, 16, 16, {79, 9, 95, 25}, {5, 5, 76, 29}, true},
        Placement{1, kPressed, 2, 40, 16, 16, {44, 6, 60, 22}, {5, 25, 96, 41}, true},
        Placement{4, kPressed, 2, 30, 16, 16, {44, 9, 60, 25}, {}, false},
        Placement{0, kDisabled, 0, 30, 16, 16, {6, 7, 22, 23}, {25, 3, 94, 27}, true}));

TEST_F(PaintTest, PictureOverCaptionWhenEnabledAndUnderItWhenDisabled) {
  AttachSkin();
  button.SetPicture(FakePicture::Pixels(16, 16));
  const auto order = [&](std::int16_t state) {
    std::vector<Op> ops;
    for (const CanvasCall& call : Paint(state)) {
      if (call.op == Op::kText || call.op == Op::kPicture || call.op == Op::kDisabledPicture) {
        ops.push_back(call.op);
      }
    }
    return ops;
  };
  EXPECT_EQ(order(kFocused), (std::vector<Op>{Op::kText, Op::kPicture}));
  EXPECT_EQ(order(kDisabled), (std::vector<Op>{Op::kDisabledPicture, Op::kText}));
}

TEST_F(PaintTest, PictureAloneWhenDisabledStillLeavesTheSurfaceColour) {
  AttachSkin();
  button.SetPicture(FakePicture::Pixels(16, 16));
  button.SetPicturePos(4);
  button.SetTextColorDisabled(0x123456);
  Paint(kDisabled);
  EXPECT_TRUE(Texts().empty());
  EXPECT_EQ(canvas().text_colour, 0x80000012u);
}

TEST_F(PaintTest, FailureDropsTheSkinKeepsTheNameAndDrawsPlainNextTime) {
  AttachSkin();
  canvas().fail_at = 3;  // a tile copy
  Paint(kFocused);
  EXPECT_EQ(button.SkinPicture(), nullptr);
  EXPECT_EQ(button.SkinPictureName(), "MyButtonDefSkin");
  EXPECT_EQ(canvas().text_colour, 0x80000012u);
  EXPECT_EQ(button.DrawnState(), kFocused);
  canvas().fail_at = -1;
  EXPECT_EQ(Paint(kFocused).size(), 3u);  // fill, text, present: the plain look
  button.Shown();  // the next showing finds the skin again
  EXPECT_EQ(button.SkinPicture(), skin);
}

TEST_F(PaintTest, AnOverflowInThePieceRectanglesComesAfterTheBackground) {
  AttachSkin();
  button.SetFillWithColor(false);
  canvas().calls.clear();
  button.SetSizeCW(INT32_MIN);  // its redraw finds W - CW beyond the 32-bit range
  const std::vector<CanvasCall>& calls = canvas().calls;
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].op, Op::kFill);
  EXPECT_EQ(calls[0].rect, (Rect{0, 0, 100, 30}));
  EXPECT_EQ(calls[1].op, Op::kPresent);  // what was painted so far is shown
  EXPECT_EQ(button.SkinPicture(), nullptr);
}

struct AbsurdCase {
  const char* what;
  std::int32_t skin_width;
  double button_width;
  std::int32_t corner_width;
  bool fill_with_color;
  bool skin_answers;
};

class AbsurdDrawingTest : public PaintTest, public ::testing::WithParamInterface<AbsurdCase> {};

TEST_P(AbsurdDrawingTest, EndsInThePlainLook) {
  const AbsurdCase& c = GetParam();
  auto odd_skin = std::make_shared<FakeSkin>("MyButtonDefSkin", c.skin_width, 21);
  host.controls["MyButtonDefSkin"] = odd_skin;
  canvas().width = c.button_width;
  button.SetFillWithColor(c.fill_with_color);
  button.SetSizeCW(c.corner_width);
  AttachSkin();
  odd_skin->answers = c.skin_answers;
  Paint(kNormal);
  EXPECT_EQ(button.SkinPicture(), nullptr);
  EXPECT_EQ(button.SkinPictureName(), "MyButtonDefSkin");
  canvas().width = 100;
  button.SetSizeCW(3);
  const std::vector<CanvasCall>& plain = Paint(kNormal);
  ASSERT_EQ(plain.size(), 3u);
  EXPECT_EQ(plain[1].op, Op::kText);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AbsurdDrawingTest,
    ::testing::Values(
        // Frames 6 wide with 3-pixel corners: the middle source has no width.
        AbsurdCase{"zero-width piece", 30, 100, 3, false, true},
        AbsurdCase{"silent picture box", 150, 100, 3, true, false},
        AbsurdCase{"more than 32767 tiles", 150, 1e6, 3, false, true},
        // The fill pixel S + CW + 1 leaves the 32-bit range.
        AbsurdCase{"sum beyond 32 bits", 150, 100, INT32_MAX, true, true},
        AbsurdCase{"size beyond 32 bits", 150, 3e9, 3, true, true}));

TEST_F(PaintTest, NarrowSkinWithNegativeExtentsIsNormalised) {
  // Frames 5 wide, corners 3: middle source (3, 3, 2, 18) tiles from (2, 3) one column wide.
  host.controls["MyButtonDefSkin"] = std::make_shared<FakeSkin>("MyButtonDefSkin", 25, 21);
  AttachSkin();
  button.SetFillWithColor(false);
  Paint(kNormal);
  ASSERT_NE(button.SkinPicture(), nullptr);
  const std::vector<CanvasCall> copies = canvas().Calls(Op::kCopy);
  ASSERT_FALSE(copies.empty());
  EXPECT_EQ(std::pair(copies[0].sx, copies[0].sy), std::pair(2, 3));
  EXPECT_EQ(copies[0].rect, (Rect{3, 3, 4, 18}));
}

}  // namespace
}  // namespace hushwall
