#pragma once
// A retained image of the progress bar on Windows: a 32-bit top-down DIB section in
// its own memory DC, so pixels are read and written in memory and GDI draws the text.
// A shown surface (the face, the bar) tells its window when what the screen shows
// has changed; the window composes both in its one paint.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>

#include "controls/progress/progress_interfaces.h"
#include "platform/dib_win32.h"
#include "platform/font_win32.h"
#include "platform/gdi_win32.h"

namespace hushwall {

class GdiProgressSurface : public ProgressSurface {
 public:
  // `changed` runs after Present and after a move or resize; empty for hidden buffers.
  explicit GdiProgressSurface(std::function<void()> changed = {});
  GdiProgressSurface(const GdiProgressSurface&) = delete;
  GdiProgressSurface& operator=(const GdiProgressSurface&) = delete;
  ~GdiProgressSurface() override;

  void Place(const BarRect& rect) override;
  std::int32_t Width() override { return place_.width; }
  std::int32_t Height() override { return place_.height; }
  void SetBackColour(Colour colour) override { back_colour_ = colour; }
  void SetTextColour(Colour colour) override { text_colour_ = colour; }
  void SetFont(const FontDescription& font) override;
  // Fonts are made for a window at `dpi` dots per inch; the next SetFont takes it.
  void SetDpi(int dpi) { dpi_ = dpi; }
  void Clear() override;
  void FillWith(Colour colour) override;
  Rgb Displayed(Colour colour) override;
  Rgb Pixel(std::int32_t x, std::int32_t y) override;
  void SetPixel(std::int32_t x, std::int32_t y, Rgb colour) override;
  void StretchWithin(const BarRect& source, const BarRect& target) override;
  void CopyFrom(ProgressSurface& source, const BarRect& target, std::int32_t sx,
                std::int32_t sy) override;
  TextExtent MeasureText(std::string_view text) override;
  void PrintText(std::string_view text, float x, float y) override;
  void Present() override;

  // Where the surface lies on the face, and its DC for showing it (nullptr while it
  // has no pixels).
  const BarRect& Placement() const { return place_; }
  HDC Dc() const { return pixels_ && place_.width > 0 && place_.height > 0 ? dc_.Get() : nullptr; }

 private:
  // Row y of the image; GDI's pending drawing is flushed first.
  std::uint32_t* Row(std::int32_t y);
  // A bitmap of at least width x height holding the current pixels.
  void Reserve(std::int32_t width, std::int32_t height);
  void Fill(Rgb colour);
  void FillArea(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height,
                std::uint32_t pixel);
  bool Inside(const BarRect& rect) const;
  bool Holds(std::int32_t x, std::int32_t y) const;

  std::function<void()> changed_;
  BarRect place_;
  // The bitmap may be larger than the image; rows are capacity_width_ pixels apart.
  std::int32_t capacity_width_ = 0;
  std::int32_t capacity_height_ = 0;
  Colour back_colour_ = 0;
  Colour text_colour_ = 0;
  MemoryDc dc_;
  Font font_;
  int dpi_ = ScreenDpi();
  DibSection dib_;
  std::uint32_t* pixels_ = nullptr;
  // Declared last: put back before the bitmap and the font go.
  std::unique_ptr<SelectGuard> bitmap_selection_;
  std::unique_ptr<SelectGuard> font_selection_;
};

}  // namespace hushwall
