#pragma once
// What a window needs to host custom controls: its controls found by name, its
// ambient font, a receiver for the controls' property-change reports, and telling
// its controls when it is shown again.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "controls/host/hosted_control.h"
#include "platform/font_description.h"
#include "platform/form_win32.h"

namespace hushwall {

class ControlHostWin32 {
 public:
  using ReportReceiver = std::function<void(const std::string& control, std::string_view key)>;

  explicit ControlHostWin32(HWND window = nullptr);
  ~ControlHostWin32();
  ControlHostWin32(const ControlHostWin32&) = delete;
  ControlHostWin32& operator=(const ControlHostWin32&) = delete;

  // For hosts whose window exists only after the helper.
  void Attach(HWND window);
  HWND Window() const { return window_; }
  // The host of a window, or of the nearest window it lies in; nullptr when none.
  static ControlHostWin32* Of(HWND window);

  // The window's controls: tables to create, and the one lookup by name.
  Form& Controls() { return controls_; }
  const Form& Controls() const { return controls_; }

  // Names a child control that is neither a custom control nor a picture box, with
  // its kind (such as "Label"), so that lookups by name find it.
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

  // Every custom control on the window handles a showing (a button looks its skin
  // up again).
  void WindowShown() const;

 private:
  void Detach();

  HWND window_ = nullptr;
  Form controls_;
  FontDescription ambient_font_;
  bool has_ambient_font_ = false;
  ReportReceiver on_property_changed_;
};

}  // namespace hushwall
