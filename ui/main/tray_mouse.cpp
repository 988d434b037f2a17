#include "ui/main/tray_mouse.h"

namespace hushwall {

TrayMouseAction RouteTrayMouse(unsigned mouse_message) {
  switch (mouse_message) {
    case 0x0201:
    case 0x0205:
      return TrayMouseAction::OpenMenu;
    case 0x0203:
      return TrayMouseAction::ShowWindow;
    default:
      return TrayMouseAction::None;
  }
}

}  // namespace hushwall
