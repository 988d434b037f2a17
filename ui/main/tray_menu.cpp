#include "ui/main/tray_menu.h"

namespace hushwall {

std::vector<MenuEntry> Menu::VisibleEntries() const {
  std::vector<MenuEntry> visible;
  for (const MenuEntry& entry : entries_)
    if (entry.visible) visible.push_back(entry);
  return visible;
}

const MenuEntry* Menu::Find(std::string_view name) const {
  for (const MenuEntry& entry : entries_)
    if (name == entry.name) return &entry;
  return nullptr;
}

void Menu::SetVisible(MenuCommand command, bool visible) {
  for (MenuEntry& entry : entries_)
    if (entry.command == command) entry.visible = visible;
}

Menu MakeFileMenu() {
  return Menu({
      {"mnuClose", "Close", MenuCommand::Close, true, false},
      {"mnuSetting2", "Setting", MenuCommand::Setting2, false, false},
      {"mnuHelp", "Help", MenuCommand::Help, true, false},
      {"mnuAbout", "About", MenuCommand::About, true, false},
  });
}

Menu MakeTrayMenu() {
  return Menu({
      {"mnu4", nullptr, MenuCommand::None, true, false},
      {"mnuShowWindow", "Show HushWall", MenuCommand::ShowWindow, true, true},
      {"mnuSetting", "Setting", MenuCommand::Setting, false, false},
      {"mnu2", nullptr, MenuCommand::None, true, false},
      {"mnuEnablepopup", "Enable HushWall", MenuCommand::EnablePopup, false, false},
      {"mnuDisablepopup", "Disable HushWall", MenuCommand::DisablePopup, true, false},
      {"mnu1", nullptr, MenuCommand::None, true, false},
      {"mnuCancel", "Cancel", MenuCommand::Cancel, true, false},
      {"mnu3", nullptr, MenuCommand::None, true, false},
      {"mnuUnloadExit", "Exit", MenuCommand::UnloadExit, true, false},
  });
}

void BlockingSwitch::Disable() {
  enabled_ = false;
  tray_menu_.SetVisible(MenuCommand::DisablePopup, false);
  tray_menu_.SetVisible(MenuCommand::EnablePopup, true);
}

void BlockingSwitch::Enable() {
  enabled_ = true;
  tray_menu_.SetVisible(MenuCommand::DisablePopup, true);
  tray_menu_.SetVisible(MenuCommand::EnablePopup, false);
}

}  // namespace hushwall
