#pragma once
// What the skinned button needs around it: the controls of its hosting window (one
// of which holds its skin), its window, the surface it paints on, and the host that
// receives its events and property-change reports. The Windows shell implements
// these with real windows and GDI; the tests with recording fakes.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "controls/button/button_types.h"
#include "controls/host/hosted_control.h"
#include "platform/font_description.h"
#include "platform/picture.h"

namespace hushwall {

// The button's drawing surface: a persistent image that Present shows on screen.
// Any call may throw; the painting routine absorbs it.
class ButtonCanvas {
 public:
  virtual ~ButtonCanvas() = default;
  virtual double ScaleWidth() = 0;  // pixels
  virtual double ScaleHeight() = 0;
  // Height of the text "I" in the surface font, in pixels.
  virtual double LineHeight() = 0;
  virtual double HiMetricToPixelsX(double himetric) = 0;
  virtual double HiMetricToPixelsY(double himetric) = 0;
  virtual Rgb TranslateColour(Colour colour) = 0;
  // The text colour accepts RGB values and system colour references.
  virtual Colour TextColour() = 0;
  virtual void SetTextColour(Colour colour) = 0;

  virtual void Fill(const Rect& rect, Rgb colour) = 0;
  // Opaque copy of w x h pixels from (sx, sy) of the skin to (x, y).
  virtual void Copy(SkinPictureBox& skin, std::int32_t x, std::int32_t y, std::int32_t w,
                    std::int32_t h, std::int32_t sx, std::int32_t sy) = 0;
  // The same, skipping skin pixels of the key colour.
  virtual void KeyedCopy(SkinPictureBox& skin, std::int32_t x, std::int32_t y, std::int32_t w,
                         std::int32_t h, std::int32_t sx, std::int32_t sy, Colour key) = 0;
  // Draws in the current text colour, with prefix processing ("&" underlines).
  virtual void DrawCaption(std::string_view text, const Rect& rect, std::uint32_t format) = 0;
  // A bitmap keyed with key_colour, or an icon with its own transparency.
  virtual void DrawPicture(const Picture& picture, std::int32_t x, std::int32_t y, std::int32_t w,
                           std::int32_t h, Colour key_colour) = 0;
  // The picture as an embossed silhouette in the highlight and shadow colours.
  virtual void DrawDisabledPicture(const Picture& picture, std::int32_t x, std::int32_t y,
                                   std::int32_t w, std::int32_t h, Colour key_colour) = 0;
  virtual void FocusRect(const Rect& rect) = 0;
  // Shows the persistent image on screen.
  virtual void Present() = 0;
};

// The button's own window: the settings the button passes through to it.
class ButtonWindow {
 public:
  virtual ~ButtonWindow() = default;
  virtual ButtonCanvas& Canvas() = 0;
  virtual std::uintptr_t WindowHandle() = 0;
  virtual bool Enabled() = 0;
  // Changes the window's enabled flag only; painting is the button's affair.
  virtual void SetEnabled(bool enabled) = 0;
  // The window text, which mirrors the caption.
  virtual void SetCaption(const std::string& text) = 0;
  virtual void SetFont(const FontDescription& font) = 0;
  virtual void SetPointer(std::int16_t pointer, const PictureRef& icon) = 0;
  virtual void Capture() = 0;
  virtual void ReleaseCapture() = 0;
};

// The events of the button, numbered in declaration order. Arguments are passed by
// reference: the button goes on with the values a handler leaves.
enum class ButtonEvent {
  kClick = 1,
  kMouseHover,
  kMouseOut,
  kMouseDown,
  kMouseMove,
  kMouseUp,
  kKeyPress,
  kKeyDown,
  kKeyUp,
};

class ButtonEvents {
 public:
  virtual ~ButtonEvents() = default;
  virtual void Click() {}
  virtual void MouseHover() {}
  virtual void MouseOut() {}
  virtual void MouseDown(std::int16_t& /*button*/, std::int16_t& /*shift*/, float& /*x*/,
                         float& /*y*/) {}
  virtual void MouseMove(std::int16_t& /*button*/, std::int16_t& /*shift*/, float& /*x*/,
                         float& /*y*/) {}
  virtual void MouseUp(std::int16_t& /*button*/, std::int16_t& /*shift*/, float& /*x*/,
                       float& /*y*/) {}
  virtual void KeyPress(std::int16_t& /*key_ascii*/) {}
  virtual void KeyDown(std::int16_t& /*key_code*/, std::int16_t& /*shift*/) {}
  virtual void KeyUp(std::int16_t& /*key_code*/, std::int16_t& /*shift*/) {}
};

// The window that hosts a button, seen from that button.
class ButtonHost : public ButtonEvents {
 public:
  // The control of that name on the hosting window, nullptr when there is none; may
  // throw when the host has no controls to look in.
  virtual std::shared_ptr<HostedControl> FindControl(const std::string& name) = 0;
  virtual FontDescription AmbientFont() = 0;
  // The button's own control name on the hosting window.
  virtual std::string ControlName() = 0;
  // The persisted value under the key changed.
  virtual void PropertyChanged(std::string_view key) = 0;
};

}  // namespace hushwall
