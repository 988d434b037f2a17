#include "platform/custom_control_win32.h"

#include <algorithm>
#include <vector>

namespace hushwall {
namespace {

struct Registration {
  ControlKind kind;
  std::string class_name;
  CustomControlFactory factory;
};

std::vector<Registration>& Registrations() {
  static std::vector<Registration> registrations;
  return registrations;
}

}  // namespace

void RegisterCustomControl(ControlKind kind, std::string class_name, CustomControlFactory factory) {
  auto& all = Registrations();
  auto same = std::find_if(all.begin(), all.end(), [&](const Registration& r) { return r.kind == kind; });
  if (same != all.end()) {
    *same = {kind, std::move(class_name), std::move(factory)};
  } else {
    all.push_back({kind, std::move(class_name), std::move(factory)});
  }
}

std::unique_ptr<CustomControl> CreateCustomControl(ControlKind kind, const CustomControlSpec& spec) {
  for (const Registration& registration : Registrations())
    if (registration.kind == kind) return registration.factory(spec);
  return nullptr;
}

CustomControl* CustomControlOf(HWND window) {
  for (const Registration& registration : Registrations()) {
    if (Window* object = WindowObjectOf(window, registration.class_name.c_str()))
      return static_cast<CustomControl*>(object);
  }
  return nullptr;
}

}  // namespace hushwall
