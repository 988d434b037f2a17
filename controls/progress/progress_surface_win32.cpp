#include "controls/progress/progress_surface_win32.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "controls/host/colour_win32.h"
#include "platform/control_error.h"
#include "platform/font_win32.h"

namespace hushwall {
namespace {

[[noreturn]] void Fail(const char* what) {
  throw ControlError(error_number::kInvalidArgument, std::string("MProgress::") + what);
}

// DIB pixels hold blue in the low byte, COLORREF red.
std::uint32_t ToDib(Rgb colour) {
  return ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
}
Rgb FromDib(std::uint32_t pixel) { return ToDib(pixel & 0xFFFFFF); }

Rgb Resolve(Colour colour, const char* what) {
  const COLORREF rgb = TranslateColor(colour);
  if (rgb == CLR_INVALID) Fail(what);
  return rgb;
}

}  // namespace

GdiProgressSurface::GdiProgressSurface(std::function<void()> changed)
    : changed_(std::move(changed)), dc_(CreateCompatibleDC(nullptr)) {
  if (dc_) SetBkMode(dc_.Get(), TRANSPARENT);
}

GdiProgressSurface::~GdiProgressSurface() = default;

bool GdiProgressSurface::Inside(const BarRect& rect) const {
  return rect.width >= 0 && rect.height >= 0 && rect.left >= 0 && rect.top >= 0 &&
         std::int64_t(rect.left) + rect.width <= place_.width &&
         std::int64_t(rect.top) + rect.height <= place_.height;
}

bool GdiProgressSurface::Holds(std::int32_t x, std::int32_t y) const {
  return pixels_ && x >= 0 && y >= 0 && x < place_.width && y < place_.height;
}

std::uint32_t* GdiProgressSurface::Row(std::int32_t y) {
  GdiFlush();
  return pixels_ + std::size_t(y) * std::size_t(capacity_width_);
}

void GdiProgressSurface::FillArea(std::int32_t x, std::int32_t y, std::int32_t width,
                                  std::int32_t height, std::uint32_t pixel) {
  if (!pixels_ || width <= 0) return;
  for (std::int32_t row = y; row < y + height; ++row) std::fill_n(Row(row) + x, width, pixel);
}

// A bar grows and shrinks with every value step: the image is only ever enlarged,
// to at least twice its width or height, so that most steps make no new bitmap.
void GdiProgressSurface::Place(const BarRect& rect) {
  if (rect.width < 0 || rect.height < 0) Fail("Place");
  if (rect == place_) return;
  const bool fits = rect.width <= capacity_width_ && rect.height <= capacity_height_;
  if (!fits && rect.width > 0 && rect.height > 0) Reserve(rect.width, rect.height);
  // New pixels show the back colour; one that names no colour leaves them black.
  const COLORREF back = TranslateColor(back_colour_);
  const std::uint32_t pixel = back == CLR_INVALID ? 0u : ToDib(back);
  const std::int32_t kept_rows = std::min(rect.height, place_.height);
  FillArea(place_.width, 0, rect.width - place_.width, kept_rows, pixel);
  FillArea(0, kept_rows, rect.width, rect.height - kept_rows, pixel);
  place_ = rect;
  if (changed_) changed_();
}

void GdiProgressSurface::Reserve(std::int32_t width, std::int32_t height) {
  const std::int32_t capacity_width =
      width > capacity_width_ ? std::max(width, 2 * capacity_width_) : capacity_width_;
  const std::int32_t capacity_height =
      height > capacity_height_ ? std::max(height, 2 * capacity_height_) : capacity_height_;
  DibSection fresh = CreateTopDownDib(capacity_width, capacity_height, 32);
  if (!fresh) Fail("Place");
  auto* target = static_cast<std::uint32_t*>(fresh.bits);
  for (std::int32_t y = 0; y < place_.height && pixels_; ++y)
    std::copy_n(Row(y), place_.width, target + std::size_t(y) * std::size_t(capacity_width));
  bitmap_selection_.reset();
  dib_ = std::move(fresh);
  pixels_ = target;
  capacity_width_ = capacity_width;
  capacity_height_ = capacity_height;
  bitmap_selection_ = std::make_unique<SelectGuard>(dc_.Get(), dib_.bitmap.Get());
}

void GdiProgressSurface::SetFont(const FontDescription& font) {
  Font replacement(CreateFontFromDescription(font, dpi_));
  if (!replacement) Fail("Font");
  font_selection_.reset();
  font_ = std::move(replacement);
  font_selection_ = std::make_unique<SelectGuard>(dc_.Get(), font_.Get());
}

void GdiProgressSurface::Fill(Rgb colour) {
  FillArea(0, 0, place_.width, place_.height, ToDib(colour));
}

void GdiProgressSurface::Clear() { Fill(Resolve(back_colour_, "BackColor")); }

void GdiProgressSurface::FillWith(Colour colour) { Fill(Resolve(colour, "FillWith")); }

Rgb GdiProgressSurface::Displayed(Colour colour) { return Resolve(colour, "FillWith"); }

Rgb GdiProgressSurface::Pixel(std::int32_t x, std::int32_t y) {
  if (!Holds(x, y)) return 0xFFFFFFFFu;
  return FromDib(Row(y)[x]);
}

void GdiProgressSurface::SetPixel(std::int32_t x, std::int32_t y, Rgb colour) {
  if (!Holds(x, y)) return;
  Row(y)[x] = ToDib(colour);
}

// Nearest source pixel for each target pixel; the source is read before any write,
// since the two areas may overlap.
void GdiProgressSurface::StretchWithin(const BarRect& source, const BarRect& target) {
  if (!pixels_ || !Inside(source) || !Inside(target) || source.width == 0 || source.height == 0)
    return;
  std::vector<std::uint32_t> from(std::size_t(source.width) * std::size_t(source.height));
  for (std::int32_t y = 0; y < source.height; ++y)
    std::copy_n(Row(source.top + y) + source.left, source.width,
                from.begin() + std::ptrdiff_t(y) * source.width);
  for (std::int32_t y = 0; y < target.height; ++y) {
    const std::int32_t sy = std::int32_t(std::int64_t(y) * source.height / target.height);
    std::uint32_t* row = Row(target.top + y) + target.left;
    for (std::int32_t x = 0; x < target.width; ++x) {
      const std::int32_t sx = std::int32_t(std::int64_t(x) * source.width / target.width);
      row[x] = from[std::size_t(sy) * std::size_t(source.width) + std::size_t(sx)];
    }
  }
}

void GdiProgressSurface::CopyFrom(ProgressSurface& source, const BarRect& target, std::int32_t sx,
                                  std::int32_t sy) {
  auto* gdi = dynamic_cast<GdiProgressSurface*>(&source);
  if (!gdi) Fail("CopyFrom");
  const BarRect from{sx, sy, target.width, target.height};
  if (!pixels_ || !gdi->pixels_ || !Inside(target) || !gdi->Inside(from)) return;
  for (std::int32_t y = 0; y < target.height; ++y)
    std::copy_n(gdi->Row(sy + y) + sx, target.width, Row(target.top + y) + target.left);
}

TextExtent GdiProgressSurface::MeasureText(std::string_view text) {
  SIZE size{};
  if (!GetTextExtentPoint32A(dc_.Get(), text.data(), int(text.size()), &size)) Fail("TextWidth");
  if (text.empty()) {
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc_.Get(), &metrics);
    size.cy = metrics.tmHeight;
  }
  return {double(size.cx), double(size.cy)};
}

void GdiProgressSurface::PrintText(std::string_view text, float x, float y) {
  if (!pixels_) return;
  SetTextColor(dc_.Get(), Resolve(text_colour_, "ForeColor"));
  // Text positions are real numbers; the glyphs land on the nearest pixel, halves
  // to the even one.
  TextOutA(dc_.Get(), int(std::lrint(x)), int(std::lrint(y)), text.data(), int(text.size()));
  GdiFlush();
}

void GdiProgressSurface::Present() {
  if (changed_) changed_();
}

}  // namespace hushwall
