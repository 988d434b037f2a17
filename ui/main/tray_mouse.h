#pragma once
// What a mouse message of the notification-area icon does.
namespace hushwall {

enum class TrayMouseAction { None, OpenMenu, ShowWindow };

// 0x0201 (left button down) and 0x0205 (right button up) open the tray menu,
// 0x0203 (left double click) shows and activates the main window.
TrayMouseAction RouteTrayMouse(unsigned mouse_message);

}  // namespace hushwall
