#pragma once
// What a window needs to host skinned buttons: its controls found by name (picture
// boxes by their own name), its ambient font, a receiver for the buttons'
// property-change reports, and telling its buttons when it is shown again.
#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "controls/button/button_interfaces.h"
#include "platform/font_description.h"

namespace hushwall {

class PictureBox;

// A picture box on a hosting window, seen through its window handle, so a box that
// has gone away fails its calls instead of being touched.
class PictureBoxControl : public SkinPictureBox {
 public:
  explicit PictureBoxControl(HWND window) : window_(window) {}
  std::string TypeName() const override;
  std::string Name() const override;
  void UsePixelScale() override;
  std::int32_t ScaleWidth() override;
  std::int32_t ScaleHeight() override;
  Rgb Point(std::int32_t x, std::int32_t y) override;
  // The DC to copy the image from; throws when the box is gone.
  HDC Dc() const;
  HWND Window() const { return window_; }

 private:
  PictureBox& Box() const;
  HWND window_;
};

class ControlHostWin32 {
 public:
  using ReportReceiver = std::function<void(const std::string& control, std::string_view key)>;

  explicit ControlHostWin32(HWND window = nullptr) : window_(window) {}
  // For hosts whose window exists only after the helper.
  void Attach(HWND window) { window_ = window; }
  HWND Window() const { return window_; }

  // Names a child control that is neither a button nor a picture box, with its kind
  // (such as "Label"), so that lookups by name find it.
  void NameControl(HWND control, std::string name, std::string type_name);
  // The child of that name (letter case ignored), nullptr when there is none; throws
  // when the helper has no window.
  std::shared_ptr<HostedControl> FindControl(const std::string& name) const;

  // The window's font (WM_GETFONT), unless one is set here; MS Sans Serif 8.25 when
  // the window has none.
  FontDescription AmbientFont() const;
  void SetAmbientFont(const FontDescription& font) { ambient_font_ = font; has_ambient_font_ = true; }

  void OnPropertyChanged(ReportReceiver receiver) { on_property_changed_ = std::move(receiver); }
  void ReportChange(const std::string& control, std::string_view key) const;

  // Every button on the window handles a showing: the skin is looked up again.
  void WindowShown() const;

 private:
  struct Named {
    std::string name;
    std::string type_name;
  };
  HWND window_;
  std::map<HWND, Named> named_;
  FontDescription ambient_font_;
  bool has_ambient_font_ = false;
  ReportReceiver on_property_changed_;
};

}  // namespace hushwall
