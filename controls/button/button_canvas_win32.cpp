#include "controls/button/button_canvas_win32.h"

#include <cmath>

#include "controls/host/picture_box_control_win32.h"
#include "controls/host/picture_win32.h"
#include "platform/control_error.h"
#include "platform/font_win32.h"

namespace hushwall {
namespace {

[[noreturn]] void Fail(const char* what) {
  throw ControlError(error_number::kInvalidArgument, std::string("MyButton::") + what);
}

HDC SkinDc(SkinPictureBox& skin) {
  auto* box = dynamic_cast<PictureBoxControl*>(&skin);
  if (!box) Fail("SkinPicture");
  return box->Dc();
}

const GdiPicture& GdiOf(const Picture& picture) {
  auto* own = dynamic_cast<const Win32Picture*>(&picture);
  if (!own) Fail("Picture");
  return own->Gdi();
}

}  // namespace

GdiButtonCanvas::GdiButtonCanvas(HWND window) : window_(window) {}

void GdiButtonCanvas::Resize(int width, int height) {
  width_ = width;
  height_ = height;
  buffer_.reset();
  WindowDc screen(window_);
  buffer_ = std::make_unique<BackBuffer>(screen.Get(), width, height);
  PrepareDc();
}

int GdiButtonCanvas::PxX(std::int32_t units) const {
  const int logical = int(std::nearbyint(width_ / Scale()));
  return Scaled() && logical > 0 ? MulDiv(units, width_, logical) : units;
}

int GdiButtonCanvas::PxY(std::int32_t units) const {
  const int logical = int(std::nearbyint(height_ / Scale()));
  return Scaled() && logical > 0 ? MulDiv(units, height_, logical) : units;
}

RECT GdiButtonCanvas::Px(const Rect& rect) const {
  return {PxX(rect.left), PxY(rect.top), PxX(rect.right), PxY(rect.bottom)};
}

void GdiButtonCanvas::SetFont(const FontDescription& font) {
  Font replacement(dpi_ ? CreateFontFromDescription(font, dpi_) : CreateFontFromDescription(font));
  if (buffer_ && buffer_->Valid() && replacement) SelectObject(buffer_->Dc(), replacement.Get());
  font_ = std::move(replacement);
}

void GdiButtonCanvas::PrepareDc() {
  if (!buffer_->Valid()) return;
  HDC dc = buffer_->Dc();
  if (font_) SelectObject(dc, font_.Get());
  SetBkMode(dc, TRANSPARENT);
  const COLORREF text = hushwall::TranslateColor(text_colour_);
  if (text != CLR_INVALID) SetTextColor(dc, text);
}

HDC GdiButtonCanvas::Dc() const {
  if (!buffer_ || !buffer_->Valid()) Fail("Surface");
  return buffer_->Dc();
}

double GdiButtonCanvas::LineHeight() {
  SIZE size{};
  if (!GetTextExtentPoint32A(Dc(), "I", 1, &size)) Fail("TextHeight");
  return size.cy / Scale();
}

double GdiButtonCanvas::HiMetricToPixelsX(double himetric) {
  return HimetricToPixelsX(Dc(), static_cast<int>(himetric)) / Scale();
}

double GdiButtonCanvas::HiMetricToPixelsY(double himetric) {
  return HimetricToPixelsY(Dc(), static_cast<int>(himetric)) / Scale();
}

Rgb GdiButtonCanvas::TranslateColour(Colour colour) {
  const COLORREF rgb = hushwall::TranslateColor(colour);
  if (rgb == CLR_INVALID) Fail("TranslateColor");
  return rgb;
}

void GdiButtonCanvas::SetTextColour(Colour colour) {
  const COLORREF rgb = TranslateColour(colour);
  text_colour_ = colour;
  SetTextColor(Dc(), rgb);
}

void GdiButtonCanvas::Fill(const Rect& rect, Rgb colour) {
  Brush brush(CreateSolidBrush(colour));
  if (!brush) Fail("Fill");
  const RECT area = Px(rect);
  FillRect(Dc(), &area, brush.Get());
}

void GdiButtonCanvas::Copy(SkinPictureBox& skin, std::int32_t x, std::int32_t y, std::int32_t w,
                           std::int32_t h, std::int32_t sx, std::int32_t sy) {
  if (!Scaled()) {
    BitBlt(Dc(), x, y, w, h, SkinDc(skin), sx, sy, SRCCOPY);
    return;
  }
  // Nearest pixel: a scaled skin keeps its hard edges.
  SetStretchBltMode(Dc(), COLORONCOLOR);
  StretchBlt(Dc(), PxX(x), PxY(y), PxX(x + w) - PxX(x), PxY(y + h) - PxY(y), SkinDc(skin), sx, sy, w, h, SRCCOPY);
}

void GdiButtonCanvas::KeyedCopy(SkinPictureBox& skin, std::int32_t x, std::int32_t y,
                                std::int32_t w, std::int32_t h, std::int32_t sx, std::int32_t sy,
                                Colour key) {
  HDC source = SkinDc(skin);
  const int width = PxX(x + w) - PxX(x), height = PxY(y + h) - PxY(y);
  // Scaled first, keyed after: a nearest-pixel copy keeps the key colour exact.
  MemoryDc scaled(Scaled() ? CreateCompatibleDC(Dc()) : nullptr);
  Bitmap scratch(scaled ? CreateCompatibleBitmap(Dc(), width, height) : nullptr);
  SelectGuard selected(scaled.Get(), scratch.Get());
  if (scratch) {
    SetStretchBltMode(scaled.Get(), COLORONCOLOR);
    StretchBlt(scaled.Get(), 0, 0, width, height, source, sx, sy, w, h, SRCCOPY);
    source = scaled.Get(), sx = 0, sy = 0;
  }
  if (!TransparentBlit(Dc(), PxX(x), PxY(y), width, height, source, sx, sy, key)) Fail("TransparentBlit");
}

void GdiButtonCanvas::DrawCaption(std::string_view text, const Rect& rect, std::uint32_t format) {
  RECT area = Px(rect);
  DrawTextA(Dc(), text.data(), static_cast<int>(text.size()), &area, format);
}

void GdiButtonCanvas::DrawPicture(const Picture& picture, std::int32_t x, std::int32_t y,
                                  std::int32_t w, std::int32_t h, Colour key_colour) {
  if (!hushwall::DrawPicture(Dc(), GdiOf(picture), PxX(x), PxY(y), PxX(x + w) - PxX(x), PxY(y + h) - PxY(y), key_colour)) {
    Fail("DrawPicture");
  }
}

void GdiButtonCanvas::DrawDisabledPicture(const Picture& picture, std::int32_t x, std::int32_t y,
                                          std::int32_t w, std::int32_t h, Colour key_colour) {
  if (!hushwall::DrawDisabledPicture(Dc(), GdiOf(picture), PxX(x), PxY(y), PxX(x + w) - PxX(x), PxY(y + h) - PxY(y),
                                     key_colour)) {
    Fail("DrawDisabledPicture");
  }
}

void GdiButtonCanvas::FocusRect(const Rect& rect) {
  const RECT area = Px(rect);
  DrawFocusRect(Dc(), &area);
}

void GdiButtonCanvas::PresentIfNotDone() {
  if (presented_ || !target_ || !buffer_ || !buffer_->Valid()) return;
  buffer_->Present(target_);
  presented_ = true;
}

void GdiButtonCanvas::Present() {
  Dc();
  presented_ = true;
  if (target_) {
    buffer_->Present(target_);
  } else if (IsWindowVisible(window_)) {
    WindowDc screen(window_);
    buffer_->Present(screen.Get());
  }
}

}  // namespace hushwall
