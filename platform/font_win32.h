#pragma once
// Fonts between their persisted form (face, points, styles) and GDI.
#include <windows.h>

#include "platform/font_spec.h"

namespace hushwall {

// A GDI font at the screen's resolution; the caller owns it.
HFONT CreateFontFromSpec(const FontSpec& spec);
// The FontSpec of a GDI font; the default one for a null or unreadable handle.
FontSpec FontSpecFromHandle(HFONT font);

}  // namespace hushwall
