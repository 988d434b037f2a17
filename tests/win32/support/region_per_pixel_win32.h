#pragma once
// The plain way to shape a window from a picture: one GetPixel per pixel and one
// region operation per run. Kept as the reference that the fast RegionFromPicture is
// checked and timed against; the program itself does not use it.
#include <windows.h>

namespace hushwall {

// Same contract as RegionFromPicture.
HRGN RegionFromPicturePerPixel(HBITMAP picture);

}  // namespace hushwall
