#include "controls/host/control_host_win32.h"

#include <stdexcept>

#include "controls/host/picture_box_control_win32.h"
#include "platform/custom_control_win32.h"
#include "platform/font_win32.h"
#include "platform/picture_box_win32.h"

namespace hushwall {
namespace {

// Where a window keeps its host, for controls made from a table to find it.
constexpr char kHostProperty[] = "HushWallControlHost";

class OtherControl : public HostedControl {
 public:
  OtherControl(std::string type_name, std::string name)
      : type_name_(std::move(type_name)), name_(std::move(name)) {}
  std::string TypeName() const override { return type_name_; }
  std::string Name() const override { return name_; }

 private:
  std::string type_name_;
  std::string name_;
};

}  // namespace

ControlHostWin32::ControlHostWin32(HWND window) { Attach(window); }

ControlHostWin32::~ControlHostWin32() { Detach(); }

void ControlHostWin32::Attach(HWND window) {
  Detach();
  window_ = window;
  controls_.Attach(window);
  if (window_) SetPropA(window_, kHostProperty, this);
}

void ControlHostWin32::Detach() {
  if (window_ && IsWindow(window_) && GetPropA(window_, kHostProperty) == this)
    RemovePropA(window_, kHostProperty);
}

ControlHostWin32* ControlHostWin32::Of(HWND window) {
  while (window) {
    if (HANDLE host = GetPropA(window, kHostProperty)) return static_cast<ControlHostWin32*>(host);
    if (!(GetWindowLongA(window, GWL_STYLE) & WS_CHILD)) return nullptr;
    window = GetParent(window);
  }
  return nullptr;
}

void ControlHostWin32::NameControl(HWND control, std::string name, std::string type_name) {
  controls_.NameControl(control, std::move(name), std::move(type_name));
}

std::shared_ptr<HostedControl> ControlHostWin32::FindControl(const std::string& name) const {
  if (!window_ || !IsWindow(window_)) throw std::runtime_error("the host has no controls");
  std::optional<Form::Found> found = controls_.Find(name);
  if (!found) return nullptr;
  if (WindowObjectOf(found->handle, PictureBox::kClassName))
    return std::make_shared<PictureBoxControl>(found->handle);
  return std::make_shared<OtherControl>(found->type_name, found->name);
}

FontDescription ControlHostWin32::AmbientFont() const {
  if (has_ambient_font_) return ambient_font_;
  HFONT font = window_ ? reinterpret_cast<HFONT>(SendMessageA(window_, WM_GETFONT, 0, 0)) : nullptr;
  return font ? FontDescriptionFromHandle(font) : FontDescription{};
}

void ControlHostWin32::ReportChange(const std::string& control, std::string_view key) const {
  if (on_property_changed_) on_property_changed_(control, key);
}

void ControlHostWin32::WindowShown() const {
  if (!window_) return;
  for (HWND child : ChildWindows(window_)) {
    if (CustomControl* control = CustomControlOf(child)) control->HostShown();
  }
}

}  // namespace hushwall
