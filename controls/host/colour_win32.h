#pragma once
// Control colours in GDI terms.
#include <windows.h>

#include "controls/host/colour.h"

namespace hushwall {

// Plain RGB for a stored colour value, or CLR_INVALID for a value that names no
// colour.
COLORREF TranslateColor(Colour colour);

}  // namespace hushwall
