#pragma once
// Our own control window classes (the skinned button, the progress bar) as hosts and
// control tables see them. Each control registers its class and a factory here, so
// that neither a host nor a table has to name it.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "platform/font_description.h"
#include "platform/form.h"
#include "platform/property_bag.h"
#include "platform/window_win32.h"

namespace hushwall {

// The C++ object behind a window of a registered class.
class CustomControl : public Window {
 public:
  // The control's name on its hosting window.
  virtual const std::string& Name() const = 0;
  // Its kind, as lookups by name report it.
  virtual const char* TypeName() const = 0;
  // The hosting window was shown again.
  virtual void HostShown() {}
  // The hosting window lays out at `dpi` dots per inch, from its creation on.
  virtual void SetDpi(int) {}
};

// One custom control of a control table, converted to pixels.
struct CustomControlSpec {
  HWND parent = nullptr;
  std::string name;
  std::string caption;
  int x = 0, y = 0, width = 0, height = 0;
  int id = 0;
  bool visible = true;
  FontDescription font;
  std::string picture;  // the name of the picture box it draws from; empty: its default
  // The control's saved property set from the window's layout; when given, it is
  // loaded instead of the declared caption, font and picture.
  const PropertyBag* persisted = nullptr;
};

// nullptr when the control cannot be made.
using CustomControlFactory =
    std::function<std::unique_ptr<CustomControl>(const CustomControlSpec& spec)>;

// Registers, or replaces, the class and factory of a kind.
void RegisterCustomControl(ControlKind kind, std::string class_name, CustomControlFactory factory);
// nullptr when no control of that kind is registered or it cannot be made.
std::unique_ptr<CustomControl> CreateCustomControl(ControlKind kind, const CustomControlSpec& spec);
// The object of a window of a registered class; nullptr for every other window.
CustomControl* CustomControlOf(HWND window);

}  // namespace hushwall
