#pragma once
// The menus of the main window as data: the "File" menu of the menu bar and the
// tray menu, with the visibility of each entry. The Win32 side builds real menus
// from the visible entries.
#include <span>
#include <string_view>
#include <utility>
#include <vector>

namespace hushwall {

// The entries' command ids are part of the program's interface: another program may
// post WM_COMMAND with one to the main window (README, "Automation"). Keep them.
enum class MenuCommand {
  None = 0,
  // File menu
  Close = 100,
  Setting2 = 101,
  Help = 102,
  About = 103,
  // tray menu
  ShowWindow = 200,
  Setting = 201,
  EnablePopup = 202,
  DisablePopup = 203,
  Cancel = 204,
  UnloadExit = 205,
};

struct MenuEntry {
  const char* name;
  const char* caption;  // nullptr for a separator
  MenuCommand command;
  bool visible;

  bool IsSeparator() const { return caption == nullptr; }
};

class Menu {
 public:
  explicit Menu(std::vector<MenuEntry> entries) : entries_(std::move(entries)) {}

  std::span<const MenuEntry> Entries() const { return entries_; }
  std::vector<MenuEntry> VisibleEntries() const;
  const MenuEntry* Find(std::string_view name) const;
  void SetVisible(MenuCommand command, bool visible);

 private:
  std::vector<MenuEntry> entries_;
};

Menu MakeFileMenu();
Menu MakeTrayMenu();

// Blocking on or off, and what the tray menu offers for it. Blocking is whether the
// scan timer runs; every start begins enabled.
class BlockingSwitch {
 public:
  explicit BlockingSwitch(Menu& tray_menu) : tray_menu_(tray_menu) {}

  bool Enabled() const { return enabled_; }
  void Disable();
  void Enable();

 private:
  Menu& tray_menu_;
  bool enabled_ = true;
};

}  // namespace hushwall
