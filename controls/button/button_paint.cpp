// The painting routine of the skinned button and its tiling.
#include <cmath>

#include "controls/button/my_button.h"
#include "controls/button/skin_geometry.h"
#include "controls/button/tile_blit.h"
#include "platform/numeric.h"

namespace hushwall {
namespace {

std::uint32_t CaptionFormat(std::int32_t text_align) {
  using namespace text_format;
  const std::uint32_t base = kSingleLine | kVCenter | kEndEllipsis;
  switch (text_align) {
    case 1: return base | kRight;
    case 2: return base | kCenter;
    default: return base | kLeft;
  }
}

Rect Moved(const Rect& rect, std::int32_t by) {
  return {CheckedAdd(rect.left, by), CheckedAdd(rect.top, by), CheckedAdd(rect.right, by),
          CheckedAdd(rect.bottom, by)};
}

// The text colour the surface had before a drawing, put back however it ends.
class TextColourKeeper {
 public:
  explicit TextColourKeeper(ButtonCanvas& canvas) : canvas_(canvas), saved_(canvas.TextColour()) {}
  ~TextColourKeeper() {
    try {
      canvas_.SetTextColour(saved_);
    } catch (...) {
    }
  }
  TextColourKeeper(const TextColourKeeper&) = delete;
  TextColourKeeper& operator=(const TextColourKeeper&) = delete;

 private:
  ButtonCanvas& canvas_;
  Colour saved_;
};

}  // namespace

void MyButton::PaintState(std::int16_t state) {
  if (disable_hover_ && state == kHover) return;
  ButtonCanvas& canvas = window_.Canvas();
  try {
    Draw(canvas, state);
  } catch (const std::exception&) {
    // A failed drawing drops the skin (its name stays, so a later showing brings it
    // back) and shows what was painted so far.
    skin_picture_.reset();
    skin_.reset();
    try {
      canvas.Present();
    } catch (const std::exception&) {
    }
  }
}

void MyButton::Draw(ButtonCanvas& canvas, std::int16_t state) {
  const std::uint32_t format = CaptionFormat(text_align_);
  const std::int32_t w = RoundToInt32(canvas.ScaleWidth());
  const std::int32_t h = RoundToInt32(canvas.ScaleHeight());
  drawn_state_ = state;
  const Rect whole{0, 0, w, h};

  // Held for the whole drawing, so nothing the drawing calls can release it midway.
  const std::shared_ptr<SkinPictureBox> skin = skin_;
  if (!skin) {
    canvas.Fill(whole, canvas.TranslateColour(back_color_));
    canvas.DrawCaption(text_, whole, format);
    canvas.Present();
    return;
  }

  DrawSkin(canvas, *skin, state, w, h);
  {
    TextColourKeeper keeper(canvas);
    DrawCaptionAndPicture(canvas, state, w, h, format);
    const std::int32_t f = draw_focus_;
    if (f > 0 && (state == kFocused || state == kPressed)) {
      canvas.FocusRect({f, f, CheckedSub(w, f), CheckedSub(h, f)});
    }
  }
  canvas.Present();
}

void MyButton::DrawSkin(ButtonCanvas& canvas, SkinPictureBox& skin, std::int16_t state,
                        std::int32_t w, std::int32_t h) {
  skin.UsePixelScale();
  SkinLayout layout;
  layout.skin_width = skin.ScaleWidth();
  layout.skin_height = skin.ScaleHeight();
  layout.corner_width = size_cw_;
  layout.corner_height = size_ch_;
  layout.state = state;
  layout.width = w;
  layout.height = h;
  layout.fill_with_color = fill_with_color_;

  Rgb middle_colour = 0;
  if (fill_with_color_) {
    const PixelPosition pixel = FillColourPixel(layout);
    middle_colour = skin.Point(pixel.x, pixel.y);
  }
  canvas.Fill({0, 0, w, h}, canvas.TranslateColour(back_color_));
  // Worked out after the background, so an overflow here leaves the background shown.
  const std::vector<SkinPiece> pieces = SkinPieces(layout);
  for (const SkinPiece& piece : pieces) {
    const Rect& to = piece.destination;
    const Rect& from = piece.source;
    switch (piece.method) {
      case PieceMethod::kSolidFill:
        canvas.Fill(to, middle_colour);
        break;
      case PieceMethod::kTiled:
        TileBlit(canvas, to, from, skin);
        break;
      case PieceMethod::kKeyedCopy:
        canvas.KeyedCopy(skin, to.left, to.top, size_cw_, size_ch_, from.left, from.top, kMagenta);
        break;
    }
  }
}

void MyButton::DrawCaptionAndPicture(ButtonCanvas& canvas, std::int16_t state, std::int32_t w,
                                     std::int32_t h, std::uint32_t format) {
  const std::int32_t cw = size_cw_;
  const std::int32_t ch = size_ch_;
  const std::int32_t d = state == kPressed ? displace_text_ : 0;
  // The caption's right side stays 3 pixels further in than its left.
  Rect caption{CheckedAdd(cw, d), CheckedAdd(ch, d), CheckedSub(CheckedAdd(CheckedSub(w, cw), d), 3),
               CheckedAdd(CheckedSub(h, ch), d)};
  std::int32_t& left = caption.left;
  std::int32_t& top = caption.top;
  std::int32_t& right = caption.right;
  std::int32_t& bottom = caption.bottom;

  const PictureRef picture = picture_;
  if (!picture) {
    DrawCaption(canvas, state, caption, true, format);
    return;
  }

  const std::int32_t pw = RoundToInt32(canvas.HiMetricToPixelsX(picture->WidthHiMetric()));
  const std::int32_t ph = RoundToInt32(canvas.HiMetricToPixelsY(picture->HeightHiMetric()));
  std::int32_t px = 0;
  std::int32_t py = CheckedAdd(RoundToInt32(CheckedSub(h, ph) / 2.0), d);
  bool draw_caption = true;
  // The picture centred across the button, following the caption's left side.
  const auto centred_x = [&] { return RoundToInt32(CheckedSub(w, pw) / 2.0 + left - cw); };
  // Picture and caption line stacked and centred together; th is measured afresh.
  const auto stacked_top = [&] {
    const double th = canvas.LineHeight();
    return RoundToInt32((CheckedSub(CheckedSub(h, ph), 3) - th) / 2.0 + top - ch);
  };
  const auto line_bottom = [&] { return RoundToInt32(canvas.LineHeight() * 1.2 + top); };
  switch (picture_pos_) {
    case 0:  // left of the caption; the gap after it equals the old left inset
      px = CheckedAdd(left, 3);
      left = CheckedAdd(CheckedAdd(px, pw), left);
      break;
    case 1:  // above the caption
      px = centred_x();
      py = stacked_top();
      top = CheckedAdd(CheckedAdd(py, ph), 3);
      bottom = line_bottom();
      break;
    case 2:  // below the caption
      px = centred_x();
      top = stacked_top();
      bottom = line_bottom();
      py = CheckedAdd(bottom, 3);
      break;
    case 3:  // right of the caption
      px = CheckedSub(CheckedAdd(CheckedSub(CheckedSub(right, pw), 3), left), cw);
      right = CheckedSub(px, 3);
      break;
    case 4:  // the picture alone, displaced in every state
      px = CheckedAdd(RoundToInt32(CheckedSub(w, pw) / 2.0), displace_text_);
      draw_caption = false;
      break;
    default:
      break;
  }

  if (state == kDisabled) {
    canvas.DrawDisabledPicture(*picture, px, py, pw, ph, picture_tcolor_);
    DrawCaption(canvas, state, caption, draw_caption, format);
  } else {
    DrawCaption(canvas, state, caption, draw_caption, format);
    canvas.DrawPicture(*picture, px, py, pw, ph, picture_tcolor_);
  }
}

void MyButton::DrawCaption(ButtonCanvas& canvas, std::int16_t state, const Rect& rect, bool draw,
                           std::uint32_t format) {
  if (state != kDisabled) {
    canvas.SetTextColour(text_color_enabled_);
    if (draw) canvas.DrawCaption(text_, rect, format);
    return;
  }
  // Engraved: the second colour one pixel right and down, under the first.
  if (draw && text_color_disabled2_ != text_color_disabled_) {
    canvas.SetTextColour(text_color_disabled2_);
    canvas.DrawCaption(text_, Moved(rect, 1), format);
  }
  canvas.SetTextColour(text_color_disabled_);
  if (draw) canvas.DrawCaption(text_, rect, format);
}

}  // namespace hushwall
