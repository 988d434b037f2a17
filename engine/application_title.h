#pragma once

namespace hushwall {

// The title of message boxes that have none of their own, and the name of the
// start-with-Windows entry.
inline constexpr const char* kApplicationTitle = "Vantel HushWall";

}  // namespace hushwall
