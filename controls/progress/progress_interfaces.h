#pragma once
// What the progress bar needs around it: four retained drawing surfaces (the face,
// the bar that lies over it, and two hidden fade buffers), its own window, and the
// host that receives its events and property-change reports. The Windows shell backs
// these with GDI; the tests with pixel-buffer fakes.
#include <cstdint>
#include <string_view>

#include "controls/host/colour.h"
#include "platform/font_description.h"

namespace hushwall {

// Left, top, width and height in pixels.
struct BarRect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;

  friend bool operator==(const BarRect&, const BarRect&) = default;
};

struct TextExtent {
  double width = 0;  // pixels
  double height = 0;
};

// One retained image in pixels, origin at its top left. Any call may throw.
class ProgressSurface {
 public:
  virtual ~ProgressSurface() = default;
  // Position on the face (for the bar) and size. The image keeps its pixels where the
  // old and new sizes overlap; new pixels show the back colour. Throws for a negative
  // width or height.
  virtual void Place(const BarRect& rect) = 0;
  virtual std::int32_t Width() = 0;
  virtual std::int32_t Height() = 0;
  virtual void SetBackColour(Colour colour) = 0;
  virtual void SetTextColour(Colour colour) = 0;
  virtual void SetFont(const FontDescription& font) = 0;
  // Refills the whole image with the back colour.
  virtual void Clear() = 0;
  // Fills the whole image with a colour as the display shows it.
  virtual void FillWith(Colour colour) = 0;
  // The RGB value FillWith fills with, found without reading a pixel: an image of
  // one line has none to read back.
  virtual Rgb Displayed(Colour colour) = 0;
  // The pixel's RGB value; 0xFFFFFFFF outside the image.
  virtual Rgb Pixel(std::int32_t x, std::int32_t y) = 0;
  // Callers keep (x, y) inside the image.
  virtual void SetPixel(std::int32_t x, std::int32_t y, Rgb colour) = 0;
  // A stretching copy inside the image, each source pixel repeated over its share.
  virtual void StretchWithin(const BarRect& source, const BarRect& target) = 0;
  // A 1:1 copy of target's size from (sx, sy) of source; callers clip to both images.
  virtual void CopyFrom(ProgressSurface& source, const BarRect& target, std::int32_t sx,
                        std::int32_t sy) = 0;
  virtual TextExtent MeasureText(std::string_view text) = 0;
  // Draws the glyphs only, in the text colour and font, top left at (x, y).
  virtual void PrintText(std::string_view text, float x, float y) = 0;
  // Shows the retained image on screen.
  virtual void Present() = 0;
};

// The control's own window.
class ProgressWindow {
 public:
  virtual ~ProgressWindow() = default;
  virtual ProgressSurface& Face() = 0;
  virtual ProgressSurface& Bar() = 0;
  virtual ProgressSurface& BackgroundBuffer() = 0;
  virtual ProgressSurface& BarBuffer() = 0;
  // The drawing area in pixels.
  virtual std::int32_t DrawingWidth() = 0;
  virtual std::int32_t DrawingHeight() = 0;
  // Throws for a code the platform does not accept.
  virtual void SetScaleMode(std::int16_t code) = 0;
  // Has the window repainted.
  virtual void Repaint() = 0;
  // Result ignored.
  virtual void SetParent(std::uint32_t parent_handle) = 0;
};

// Raised synchronously; arguments by reference, so a handler may change them.
class ProgressEvents {
 public:
  virtual ~ProgressEvents() = default;
  virtual void BarResize() {}
  virtual void Change() {}
  virtual void Resize() {}
  virtual void Click() {}
  virtual void KeyDown(std::int16_t& /*key_code*/, std::int16_t& /*shift*/) {}
  virtual void KeyPress(std::int16_t& /*key_ascii*/) {}
  virtual void KeyUp(std::int16_t& /*key_code*/, std::int16_t& /*shift*/) {}
  virtual void MouseDown(std::int16_t& /*button*/, std::int16_t& /*shift*/, float& /*x*/,
                         float& /*y*/) {}
  virtual void MouseMove(std::int16_t& /*button*/, std::int16_t& /*shift*/, float& /*x*/,
                         float& /*y*/) {}
  virtual void MouseUp(std::int16_t& /*button*/, std::int16_t& /*shift*/, float& /*x*/,
                       float& /*y*/) {}
};

class ProgressHost : public ProgressEvents {
 public:
  virtual bool DesignMode() = 0;
  virtual FontDescription AmbientFont() = 0;
  // The persisted value under the key changed.
  virtual void PropertyChanged(std::string_view key) = 0;
};

}  // namespace hushwall
