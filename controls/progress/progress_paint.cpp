#include <exception>
#include <string>

#include "controls/progress/m_progress.h"
#include "controls/progress/progress_drawing.h"
#include "platform/numeric.h"

namespace hushwall {
namespace {

constexpr const char* kSource = "MProgress";

template <typename Step>
void IgnoringErrors(Step step) {
  try {
    step();
  } catch (const std::exception&) {
  }
}

}  // namespace

void MProgress::Refresh() {
  IgnoringErrors([&] { PositionBar(); });
  if (manual_refresh_) IgnoringErrors([&] { PaintBar(); });
}

void MProgress::PositionBar() {
  const std::optional<BarRect> place =
      BarPlacement(direction_, value_offset_, value_range_, window_.DrawingWidth(),
                   window_.DrawingHeight());
  if (!place) return;
  const BarRect old = bar_;
  window_.Bar().Place(*place);
  bar_ = *place;
  // The bar's image holds text only where the bar was; a moved or grown bar needs the
  // caption printed again.
  if (old != bar_) caption_stale_ = true;
  if (old.width != bar_.width || old.height != bar_.height) BarResized();
}

void MProgress::BarResized() {
  if (!manual_refresh_) IgnoringErrors([&] { PaintBar(); });
  host_.BarResize();
}

void MProgress::SizeChanged() {
  const std::int32_t width = window_.DrawingWidth();
  const std::int32_t height = window_.DrawingHeight();
  const BarRect area{0, 0, width, height};
  IgnoringErrors([&] { window_.BackgroundBuffer().Place(area); });
  IgnoringErrors([&] { window_.BarBuffer().Place(area); });
  IgnoringErrors([&] { window_.Face().Place(area); });
  if (!manual_refresh_) Refresh();
  IgnoringErrors([&] { DrawFades(); });
  IgnoringErrors([&] { host_.Resize(); });
}

void MProgress::DrawFades() {
  window_.Face().Clear();
  window_.Bar().Clear();
  caption_stale_ = true;
  const Rgb bg1 = ResolveColour(fade_bg1_);
  const Rgb bg2 = ResolveColour(fade_bg2_);
  const Rgb fg1 = ResolveColour(fade_fg1_);
  const Rgb fg2 = ResolveColour(fade_fg2_);
  if (fade_ == 1 || fade_ == 2) {
    const bool vertical = fade_ == 2;
    RenderFade(window_.BackgroundBuffer(), bg1, bg2, vertical);
    RenderFade(window_.BarBuffer(), fg1, fg2, vertical);
  }
  if (!manual_refresh_) PaintBar();
}

Rgb MProgress::ResolveColour(Colour colour) {
  if (colour <= 0xFFFFFF) return colour;
  ProgressSurface& buffer = window_.BackgroundBuffer();
  // The fill stays: a fade this control does not draw shows that colour.
  buffer.FillWith(colour);
  return buffer.Displayed(colour);
}

void MProgress::RenderFade(ProgressSurface& buffer, Rgb from, Rgb to, bool vertical) {
  const std::int32_t width = buffer.Width();
  const std::int32_t height = buffer.Height();
  const std::int32_t length = vertical ? height : width;
  const std::vector<Rgb> line =
      FadeLine(std::int32_t(from), std::int32_t(to), length, blend_);
  // The line holds one colour past the buffer's end, which is not written.
  const std::int32_t across = vertical ? width : height;
  if (across <= 0) return;
  for (std::int32_t i = 0; i < length && std::size_t(i) < line.size(); ++i) {
    if (vertical) {
      buffer.SetPixel(0, i, line[std::size_t(i)]);
    } else {
      buffer.SetPixel(i, 0, line[std::size_t(i)]);
    }
  }
  if (vertical) {
    buffer.StretchWithin({0, 0, 1, length}, {0, 0, width, length});
  } else {
    buffer.StretchWithin({0, 0, length, 1}, {0, 0, length, height});
  }
}

void MProgress::PaintBar() {
  BuildCaption();
  if (fade_ != 0 && direction_ >= 0 && direction_ <= 3) FadeStage();
  CaptionStage();
}

void MProgress::FadeStage() {
  ProgressSurface& face = window_.Face();
  ProgressSurface& bar = window_.Bar();
  ProgressSurface& background = window_.BackgroundBuffer();
  ProgressSurface& bar_fade = window_.BarBuffer();
  const std::int32_t width = window_.DrawingWidth();
  const std::int32_t height = window_.DrawingHeight();
  const std::int32_t n = direction_ == 0 || direction_ == 2 ? bar_.width : bar_.height;
  for (const FadeCopy& copy : FadeCopies(direction_, fade_style_, width, height, n)) {
    ProgressSurface& source = copy.to_face ? background : bar_fade;
    ProgressSurface& target = copy.to_face ? face : bar;
    const std::optional<ClippedCopy> clipped =
        ClipCopy(copy, source.Width(), source.Height(), target.Width(), target.Height());
    if (clipped) target.CopyFrom(source, clipped->target, clipped->source_x, clipped->source_y);
  }
  caption_unchanged_ = false;
}

std::string MProgress::ComposeCaption() const {
  if (disable_percent_) return caption_.empty() ? caption_text_ : caption_;
  if (show_custom_caption_ && value_ == max_) return custom_caption_;
  return caption_ + " " + std::to_string(unsigned(percent_)) + " " + caption2_;
}

void MProgress::BuildCaption() {
  const std::string old = caption_text_;
  caption_text_ = ComposeCaption();
  if (fade_ == 0) {
    if (caption_text_ == old && !caption_stale_) {
      caption_unchanged_ = true;
      return;
    }
    caption_unchanged_ = false;
  }
  const TextExtent extent = window_.Face().MeasureText(caption_text_);
  caption_width_ = RoundToInt16(extent.width, kSource);
  caption_height_ = RoundToInt16(extent.height, kSource);
}

void MProgress::CaptionStage() {
  ProgressSurface& face = window_.Face();
  ProgressSurface& bar = window_.Bar();
  bool print = true;
  if (fade_ == 0) {
    print = !caption_unchanged_;
    // Cleared also for an empty caption, so that no earlier text stays behind.
    if (print) {
      face.Clear();
      bar.Clear();
    }
  }
  caption_stale_ = false;
  if (print && !caption_text_.empty()) {
    const CaptionPlacement place =
        PlaceCaption(direction_, alignment_, window_.DrawingWidth(), window_.DrawingHeight(), bar_,
                     caption_width_, caption_height_, inset_);
    if (place.on_face) face.PrintText(caption_text_, place.face_x, place.face_y);
    if (place.on_bar) bar.PrintText(caption_text_, place.bar_x, place.bar_y);
  }
  face.Present();
  bar.Present();
}

}  // namespace hushwall
