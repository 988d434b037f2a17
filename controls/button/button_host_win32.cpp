#include "controls/button/button_host_win32.h"

#include <stdexcept>
#include <vector>

#include "controls/button/button_win32.h"
#include "platform/font_win32.h"
#include "platform/picture_box_win32.h"
#include "platform/property_bag.h"

namespace hushwall {
namespace {

std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

// The C++ object of one of our own windows, when the window is of that class.
template <typename Object>
Object* ObjectOf(HWND window, const char* class_name) {
  if (!IsWindow(window) || ClassOf(window) != class_name) return nullptr;
  auto* base = reinterpret_cast<hushwall::Window*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  return base ? static_cast<Object*>(base) : nullptr;
}

BOOL CALLBACK CollectChild(HWND child, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
  return TRUE;
}

std::vector<HWND> Descendants(HWND parent) {
  std::vector<HWND> found;
  EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&found));
  return found;
}

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

PictureBox& PictureBoxControl::Box() const {
  PictureBox* box = ObjectOf<PictureBox>(window_, PictureBox::kClassName);
  if (!box) throw std::runtime_error("the picture box is gone");
  return *box;
}

std::string PictureBoxControl::TypeName() const { return PictureBox::kTypeName; }
std::string PictureBoxControl::Name() const { return Box().Name(); }
// The box measures in pixels already; it only has to be there.
void PictureBoxControl::UsePixelScale() { Box(); }
std::int32_t PictureBoxControl::ScaleWidth() { return Box().Width(); }
std::int32_t PictureBoxControl::ScaleHeight() { return Box().Height(); }

Rgb PictureBoxControl::Point(std::int32_t x, std::int32_t y) {
  const COLORREF colour = Box().Pixel(x, y);
  if (colour == CLR_INVALID) throw std::runtime_error("no such pixel in the picture box");
  return colour;
}

HDC PictureBoxControl::Dc() const {
  HDC dc = Box().Dc();
  if (!dc) throw std::runtime_error("the picture box has no image");
  return dc;
}

void ControlHostWin32::NameControl(HWND control, std::string name, std::string type_name) {
  named_[control] = {std::move(name), std::move(type_name)};
}

std::shared_ptr<HostedControl> ControlHostWin32::FindControl(const std::string& name) const {
  if (!window_ || !IsWindow(window_)) throw std::runtime_error("the host has no controls");
  for (HWND child : Descendants(window_)) {
    if (PictureBox* box = ObjectOf<PictureBox>(child, PictureBox::kClassName)) {
      if (SameKey(box->Name(), name)) return std::make_shared<PictureBoxControl>(child);
    } else if (MyButtonWindow* button = ObjectOf<MyButtonWindow>(child, MyButtonWindow::kClassName)) {
      if (SameKey(button->Name(), name)) {
        return std::make_shared<OtherControl>(MyButtonWindow::kTypeName, button->Name());
      }
    } else if (auto named = named_.find(child); named != named_.end()) {
      if (SameKey(named->second.name, name)) {
        return std::make_shared<OtherControl>(named->second.type_name, named->second.name);
      }
    }
  }
  return nullptr;
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
  for (HWND child : Descendants(window_)) {
    if (MyButtonWindow* button = ObjectOf<MyButtonWindow>(child, MyButtonWindow::kClassName)) {
      button->Shown();
    }
  }
}

}  // namespace hushwall
