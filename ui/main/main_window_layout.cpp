#include "ui/main/main_window_layout.h"

namespace hushwall {
namespace {

const FontDescription kPlain{};
const FontDescription kBold{.bold = true};

// Below the visible client area (it is 4110 twips high): reachable by the keyboard
// but never seen.
constexpr int kHiddenRow = 4440;
constexpr int kPictureSize = 480;  // 32 pixels at 15 twips per pixel
constexpr int kPictureRow = kHiddenRow + 840;
constexpr int PictureLeft(int slot) { return 120 + slot * (kPictureSize + 60); }

// The three panes share one place; the blocked pane comes first so that it lies on
// top of the other two.
const ControlDefinition kControls[] = {
    {"Frame3", ControlKind::Pane, "", nullptr, 120, 120, 6375, 3015, true, 0, kPlain, kIdFrame3},
    {"Frame2", ControlKind::Pane, "", nullptr, 120, 120, 6375, 3015, true, 1, kPlain, kIdFrame2},
    {"Frame1", ControlKind::Pane, "", nullptr, 120, 120, 6375, 3015, true, 2, kPlain, kIdFrame1},
    // The browser pane: its other buttons are never shown, and its own pane button
    // spans the pane's width.
    {"cmdBrowserlist3", ControlKind::SkinnedButton, "Browser list", "Frame2", 0, 0, 6375, 255, true, 0,
     kBold, kIdBrowserlist3},
    {"cmdRemovelist3", ControlKind::SkinnedButton, "Remove list", "Frame2", 2280, 0, 1215, 255, false, 1,
     kPlain, kIdRemovelist3},
    {"cmdBlocklist3", ControlKind::SkinnedButton, "Blocked list", "Frame2", 2280, 0, 1215, 255, false, 2,
     kPlain, kIdBlocklist3},
    {"lstPopUps", ControlKind::ListBox, "", "Frame2", 120, 360, 6135, 2010, true, 3, kPlain,
     kIdPopUps},
    {"cmdAdd", ControlKind::SkinnedButton, "Add", "Frame2", 240, 2520, 1335, 375, false, 4, kPlain,
     kIdAdd},
    {"cmdAddAll", ControlKind::SkinnedButton, "Add all", "Frame2", 2400, 2520, 1455, 375, false, 5,
     kPlain, kIdAddAll},
    {"cmdCloseAll", ControlKind::SkinnedButton, "Close all", "Frame2", 4560, 2520, 1335, 375, false, 6,
     kPlain, kIdCloseAll},
    // The remove pane.
    {"cmdBrowserlist", ControlKind::SkinnedButton, "Browser list", "Frame1", 360, 0, 1215, 255, true, 0,
     kPlain, kIdBrowserlist},
    {"cmdRemovelist", ControlKind::SkinnedButton, "Remove list", "Frame1", 2280, 0, 1215, 255, true, 1,
     kBold, kIdRemovelist},
    {"cmdBlocklist", ControlKind::SkinnedButton, "Blocked list", "Frame1", 4200, 0, 1215, 255, true, 2,
     kPlain, kIdBlocklist},
    {"cmdRemove", ControlKind::SkinnedButton, "Remove selected", "Frame1", 240, 2520, 2295, 375, true, 4,
     kPlain, kIdRemove},
    {"cmdRemoveAll", ControlKind::SkinnedButton, "Remove all", "Frame1", 3600, 2520, 2535, 375, true, 5,
     kPlain, kIdRemoveAll},
    // The blocked pane.
    {"cmdBrowserlist2", ControlKind::SkinnedButton, "Browser list", "Frame3", 360, 0, 1215, 255, true, 0,
     kPlain, kIdBrowserlist2},
    {"cmdRemovelist2", ControlKind::SkinnedButton, "Remove list", "Frame3", 2280, 0, 1215, 255, true, 1,
     kPlain, kIdRemovelist2},
    {"cmdBlocklist2", ControlKind::SkinnedButton, "Blocked list", "Frame3", 4200, 0, 1215, 255, true, 2,
     kBold, kIdBlocklist2},
    {"cmdClearScreen", ControlKind::SkinnedButton, "Clear screen", "Frame3", 240, 2520, 1695, 375, true, 4,
     kPlain, kIdClearScreen},
    {"cmdSaveBlocked", ControlKind::SkinnedButton, "Save log", "Frame3", 2280, 2520, 1695, 375, true, 5,
     kPlain, kIdSaveBlocked},
    {"cmdEraseLog", ControlKind::SkinnedButton, "Erase log", "Frame3", 4320, 2520, 1815, 375, true, 6,
     kPlain, kIdEraseLog},
    {"cmdUnlExit", ControlKind::SkinnedButton, "Close", nullptr, 2400, 3600, 1695, 375, true, 5, kPlain,
     kIdUnlExit},
    {"lstRemoves", ControlKind::ListBox, "", "Frame1", 120, 240, 6135, 2205, true, 3, kPlain,
     kIdRemoves},
    {"lstBlocked", ControlKind::ListBox, "", "Frame3", 120, 240, 6135, 2205, true, 3, kPlain,
     kIdBlocked},
    {"Label1", ControlKind::Label, "Blocked :", nullptr, 120, 3240, 1215, 375, true, 3, kBold,
     kIdBlockedCaption},
    {"lblBlocked", ControlKind::Label, "0", nullptr, 1320, 3240, 495, 375, true, 4, kBold,
     kIdBlockedCount},
    {"chkPopsound", ControlKind::CheckBox, "Play a sound ", nullptr, 120, kHiddenRow, 1695, 255,
     true, 6, kPlain, kIdPopsound},
    // A diagnostic: tells the master rule flag.
    {"Command1", ControlKind::PushButton, "check streo", nullptr, 1920, kHiddenRow, 1215, 375,
     true, 18, kPlain, kIdCommand1},
    {"chkSystrayMsg", ControlKind::CheckBox, "", nullptr, 120, kHiddenRow + 360, 255, 255, false, 7,
     kPlain, kIdSystrayMsg},
    {"green_img", ControlKind::Picture, "", nullptr, PictureLeft(0), kPictureRow, kPictureSize,
     kPictureSize, true, 8, kPlain, kIdGreenImg},
    {"red_img", ControlKind::Picture, "", nullptr, PictureLeft(1), kPictureRow, kPictureSize,
     kPictureSize, true, 9, kPlain, kIdRedImg},
    {"imgMoon(0)", ControlKind::Picture, "", nullptr, PictureLeft(2), kPictureRow, kPictureSize,
     kPictureSize, true, 10, kPlain, kIdMoonFirst + 0},
    {"imgMoon(1)", ControlKind::Picture, "", nullptr, PictureLeft(3), kPictureRow, kPictureSize,
     kPictureSize, true, 11, kPlain, kIdMoonFirst + 1},
    {"imgMoon(2)", ControlKind::Picture, "", nullptr, PictureLeft(4), kPictureRow, kPictureSize,
     kPictureSize, true, 12, kPlain, kIdMoonFirst + 2},
    {"imgMoon(3)", ControlKind::Picture, "", nullptr, PictureLeft(5), kPictureRow, kPictureSize,
     kPictureSize, true, 13, kPlain, kIdMoonFirst + 3},
    {"imgMoon(4)", ControlKind::Picture, "", nullptr, PictureLeft(6), kPictureRow, kPictureSize,
     kPictureSize, true, 14, kPlain, kIdMoonFirst + 4},
    {"imgMoon(5)", ControlKind::Picture, "", nullptr, PictureLeft(7), kPictureRow, kPictureSize,
     kPictureSize, true, 15, kPlain, kIdMoonFirst + 5},
    {"imgMoon(6)", ControlKind::Picture, "", nullptr, PictureLeft(8), kPictureRow, kPictureSize,
     kPictureSize, true, 16, kPlain, kIdMoonFirst + 6},
    {"imgMoon(7)", ControlKind::Picture, "", nullptr, PictureLeft(9), kPictureRow, kPictureSize,
     kPictureSize, true, 17, kPlain, kIdMoonFirst + 7},
};

}  // namespace

std::span<const ControlDefinition> MainWindowControls() { return kControls; }

}  // namespace hushwall
