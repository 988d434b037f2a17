#pragma once
// The program's names and titles, as the user sees them.
namespace hushwall {

// The main window's caption.
inline constexpr char kMainCaption[] = "Vantel HushWall Free";
// The title of message boxes that have none of their own, and the name of the
// start-with-Windows entry.
inline constexpr char kApplicationTitle[] = "Vantel HushWall";
// The notification-area icon's tip.
inline constexpr char kTrayTip[] = "HushWall";

inline constexpr char kExitQuestion[] = "Are you sure you want to close HushWall ?";
inline constexpr char kExitTitle[] = "Close HushWall";

}  // namespace hushwall
