#pragma once
// Fonts between their persisted form (face, points, styles) and GDI.
#include <windows.h>

#include "platform/font_description.h"

namespace hushwall {

// Dots per inch of the screen (96 when it cannot be read): 1440 / dpi is the
// screen's twips per pixel, dpi / 72 its pixels per point.
int ScreenDpi();

// A GDI font at the screen's resolution; the caller owns it.
HFONT CreateFontFromDescription(const FontDescription& definition);
// The FontDescription of a GDI font; the default one for a null or unreadable handle.
FontDescription FontDescriptionFromHandle(HFONT font);

}  // namespace hushwall
