#pragma once
// The main window's size and its child controls as data.
#include <span>

#include "platform/form.h"
#include "platform/program_names.h"

namespace hushwall {

inline constexpr int kMainClientWidthTwips = 6690;
inline constexpr int kMainClientHeightTwips = 4110;

// Control ids; 1 and 2 are left to the dialog keys Enter and Escape.
enum MainControlId : int {
  kIdFrame1 = 1001,
  kIdFrame2,
  kIdFrame3,
  kIdPopUps,
  kIdRemoves,
  kIdBlocked,
  kIdBlockedCaption,
  kIdBlockedCount,
  kIdPopsound,
  kIdSystrayMsg,
  kIdGreenImg,
  kIdRedImg,
  kIdMoonFirst,  // imgMoon 0 to 7 follow
  kIdCommand1 = kIdMoonFirst + 8,
  // The skinned buttons.
  kIdBrowserlist,
  kIdBrowserlist2,
  kIdBrowserlist3,
  kIdRemovelist,
  kIdRemovelist2,
  kIdRemovelist3,
  kIdBlocklist,
  kIdBlocklist2,
  kIdBlocklist3,
  kIdAdd,
  kIdAddAll,
  kIdCloseAll,
  kIdRemove,
  kIdRemoveAll,
  kIdClearScreen,
  kIdSaveBlocked,
  kIdEraseLog,
  kIdUnlExit,
};

// The resource holding the saved property sets of the window's skinned buttons.
inline constexpr char kMainLayoutResource[] = "MAINWINDOWLAYOUT";

std::span<const ControlDefinition> MainWindowControls();

}  // namespace hushwall
