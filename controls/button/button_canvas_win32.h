#pragma once
// The button's drawing surface on Windows: a back buffer as large as the button's
// client area, kept between drawings, with the button's font and text colour
// selected. Present copies it to the window, or to the DC of the paint in progress.
#include <windows.h>

#include <memory>

#include "controls/button/button_gdi_win32.h"
#include "controls/button/button_interfaces.h"
#include "platform/gdi_win32.h"

namespace hushwall {

class GdiButtonCanvas : public ButtonCanvas {
 public:
  explicit GdiButtonCanvas(HWND window);
  void Attach(HWND window) { window_ = window; }

  // A new, empty back buffer of the given size.
  void Resize(int width, int height);
  void SetFont(const FontDescription& font);
  // The button's dpi: its font's, and the skin's scale (at 192 each skin pixel
  // becomes 2 x 2). The button then measures in 96-dpi pixels, which this canvas
  // scales, so that its skin pieces and caption keep their proportions.
  void SetDpi(int dpi) { dpi_ = dpi; }
  int Dpi() const { return dpi_; }
  HFONT FontHandle() const { return font_.Get(); }
  // Where Present copies to while a paint is in progress; nullptr: the window itself.
  void SetPresentTarget(HDC target) {
    target_ = target;
    presented_ = false;
  }
  // Shows the kept image on the paint target when the drawing did not (a state it
  // skips, or a failure before anything was shown).
  void PresentIfNotDone();

  double ScaleWidth() override { return width_ / Scale(); }
  double ScaleHeight() override { return height_ / Scale(); }
  double LineHeight() override;
  double HiMetricToPixelsX(double himetric) override;
  double HiMetricToPixelsY(double himetric) override;
  Rgb TranslateColour(Colour colour) override;
  Colour TextColour() override { return text_colour_; }
  void SetTextColour(Colour colour) override;
  void Fill(const Rect& rect, Rgb colour) override;
  void Copy(SkinPictureBox& skin, std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
            std::int32_t sx, std::int32_t sy) override;
  void KeyedCopy(SkinPictureBox& skin, std::int32_t x, std::int32_t y, std::int32_t w,
                 std::int32_t h, std::int32_t sx, std::int32_t sy, Colour key) override;
  void DrawCaption(std::string_view text, const Rect& rect, std::uint32_t format) override;
  void DrawPicture(const Picture& picture, std::int32_t x, std::int32_t y, std::int32_t w,
                   std::int32_t h, Colour key_colour) override;
  void DrawDisabledPicture(const Picture& picture, std::int32_t x, std::int32_t y, std::int32_t w,
                           std::int32_t h, Colour key_colour) override;
  void FocusRect(const Rect& rect) override;
  void Present() override;

 private:
  // The back buffer's DC; throws when there is none (a size GDI refused).
  HDC Dc() const;
  void PrepareDc();
  double Scale() const { return dpi_ ? dpi_ / 96.0 : 1.0; }
  // A 96-dpi measure of the button in its pixels: its rounded width and height in
  // those units stretch to exactly its own, so nothing is left unpainted at its edges.
  int PxX(std::int32_t units) const;
  int PxY(std::int32_t units) const;
  RECT Px(const Rect& rect) const;
  bool Scaled() const { return dpi_ && dpi_ != 96; }

  HWND window_;
  int width_ = 0;
  int height_ = 0;
  int dpi_ = 0;  // 0: the screen's, unscaled
  Font font_;
  // Declared after the font: the buffer, with the font selected, goes first.
  std::unique_ptr<BackBuffer> buffer_;
  Colour text_colour_ = kButtonText;
  HDC target_ = nullptr;
  bool presented_ = false;
};

}  // namespace hushwall
