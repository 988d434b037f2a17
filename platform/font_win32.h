#pragma once
// Fonts between their persisted form (face, points, styles) and GDI.
#include <windows.h>

#include "platform/font_description.h"

namespace hushwall {

// A GDI font at the screen's resolution; the caller owns it.
HFONT CreateFontFromSpec(const FontDescription& spec);
// The FontDescription of a GDI font; the default one for a null or unreadable handle.
FontDescription FontDescriptionFromHandle(HFONT font);

}  // namespace hushwall
