#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/main/tray_menu.h"

namespace hushwall {
namespace {

std::vector<std::string> VisibleNames(const Menu& menu) {
  std::vector<std::string> names;
  for (const MenuEntry& entry : menu.VisibleEntries()) names.push_back(entry.name);
  return names;
}

TEST(TrayMenu, DisableAndEnableSwapOnlyTheirTwoEntries) {
  Menu tray = MakeTrayMenu();
  BlockingSwitch blocking(tray);
  const std::vector<std::string> enabled{"mnu4", "mnuShowWindow", "mnu2", "mnuDisablepopup",
                                         "mnu1", "mnuCancel", "mnu3", "mnuUnloadExit"};
  std::vector<std::string> disabled = enabled;
  disabled[3] = "mnuEnablepopup";

  EXPECT_TRUE(blocking.Enabled());
  EXPECT_EQ(VisibleNames(tray), enabled);
  blocking.Disable();
  EXPECT_FALSE(blocking.Enabled());
  EXPECT_EQ(VisibleNames(tray), disabled);
  blocking.Disable();
  EXPECT_EQ(VisibleNames(tray), disabled);
  blocking.Enable();
  EXPECT_TRUE(blocking.Enabled());
  EXPECT_EQ(VisibleNames(tray), enabled);
}

}  // namespace
}  // namespace hushwall
