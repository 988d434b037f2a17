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
    {"lstPopUps", ControlKind::ListBox, "", "Frame2", 120, 360, 6135, 2010, true, 0, kPlain,
     kIdPopUps},
    {"lstRemoves", ControlKind::ListBox, "", "Frame1", 120, 240, 6135, 2205, true, 0, kPlain,
     kIdRemoves},
    {"lstBlocked", ControlKind::ListBox, "", "Frame3", 120, 240, 6135, 2205, true, 0, kPlain,
     kIdBlocked},
    {"Label1", ControlKind::Label, "Blocked :", nullptr, 120, 3240, 1215, 375, true, 3, kBold,
     kIdBlockedCaption},
    {"lblBlocked", ControlKind::Label, "0", nullptr, 1320, 3240, 495, 375, true, 4, kBold,
     kIdBlockedCount},
    {"chkPopsound", ControlKind::CheckBox, "Play a sound ", nullptr, 120, kHiddenRow, 1695, 255,
     true, 5, kPlain, kIdPopsound},
    // A diagnostic: tells the master rule flag.
    {"Command1", ControlKind::PushButton, "check streo", nullptr, 1920, kHiddenRow, 1215, 375,
     true, 17, kPlain, kIdCommand1},
    {"chkSystrayMsg", ControlKind::CheckBox, "", nullptr, 120, kHiddenRow + 360, 255, 255, false, 6,
     kPlain, kIdSystrayMsg},
    {"green_img", ControlKind::Picture, "", nullptr, PictureLeft(0), kPictureRow, kPictureSize,
     kPictureSize, true, 7, kPlain, kIdGreenImg},
    {"red_img", ControlKind::Picture, "", nullptr, PictureLeft(1), kPictureRow, kPictureSize,
     kPictureSize, true, 8, kPlain, kIdRedImg},
    {"imgMoon(0)", ControlKind::Picture, "", nullptr, PictureLeft(2), kPictureRow, kPictureSize,
     kPictureSize, true, 9, kPlain, kIdMoonFirst + 0},
    {"imgMoon(1)", ControlKind::Picture, "", nullptr, PictureLeft(3), kPictureRow, kPictureSize,
     kPictureSize, true, 10, kPlain, kIdMoonFirst + 1},
    {"imgMoon(2)", ControlKind::Picture, "", nullptr, PictureLeft(4), kPictureRow, kPictureSize,
     kPictureSize, true, 11, kPlain, kIdMoonFirst + 2},
    {"imgMoon(3)", ControlKind::Picture, "", nullptr, PictureLeft(5), kPictureRow, kPictureSize,
     kPictureSize, true, 12, kPlain, kIdMoonFirst + 3},
    {"imgMoon(4)", ControlKind::Picture, "", nullptr, PictureLeft(6), kPictureRow, kPictureSize,
     kPictureSize, true, 13, kPlain, kIdMoonFirst + 4},
    {"imgMoon(5)", ControlKind::Picture, "", nullptr, PictureLeft(7), kPictureRow, kPictureSize,
     kPictureSize, true, 14, kPlain, kIdMoonFirst + 5},
    {"imgMoon(6)", ControlKind::Picture, "", nullptr, PictureLeft(8), kPictureRow, kPictureSize,
     kPictureSize, true, 15, kPlain, kIdMoonFirst + 6},
    {"imgMoon(7)", ControlKind::Picture, "", nullptr, PictureLeft(9), kPictureRow, kPictureSize,
     kPictureSize, true, 16, kPlain, kIdMoonFirst + 7},
};

}  // namespace

std::span<const ControlDefinition> MainWindowControls() { return kControls; }

}  // namespace hushwall
