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
      {"mnuClose", "Close", MenuCommand::Close, true},
      {"mnuSetting2", "Setting", MenuCommand::Setting2, false},
      {"mnuHelp", "Help", MenuCommand::Help, true},
      {"mnuAbout", "About", MenuCommand::About, true},
  });
}

Menu MakeTrayMenu() {
  return Menu({
      {"mnu4", nullptr, MenuCommand::None, true},
      {"mnuShowWindow", "Show HushWall", MenuCommand::ShowWindow, true},
      {"mnuSetting", "Setting", MenuCommand::Setting, false},
      {"mnu2", nullptr, MenuCommand::None, true},
      {"mnuEnablepopup", "Enable HushWall", MenuCommand::EnablePopup, false},
      {"mnuDisablepopup", "Disable HushWall", MenuCommand::DisablePopup, true},
      {"mnu1", nullptr, MenuCommand::None, true},
      {"mnuCancel", "Cancel", MenuCommand::Cancel, true},
      {"mnu3", nullptr, MenuCommand::None, true},
      {"mnuUnloadExit", "Exit", MenuCommand::UnloadExit, true},
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
