#pragma once
// Fonts between their persisted form (face, points, styles) and GDI.
#include <windows.h>

#include "platform/font_description.h"

namespace hushwall {

// Dots per inch of the screen (96 when it cannot be read): 1440 / dpi is the
// screen's twips per pixel, dpi / 72 its pixels per point.
int ScreenDpi();
// The dpi `window` lays out at: its monitor's where Windows tells it (10 and later),
// the screen's otherwise.
int WindowDpi(HWND window);
// A system metric (SM_CXICON, say) at `dpi`: Windows' own figure where it has one
// per dpi (10 and later), the 96-dpi figure scaled otherwise.
int SystemMetricForDpi(int index, int dpi);
// The message Windows sends a window whose dpi changes (WM_DPICHANGED), which these
// headers, aimed at XP, do not define.
constexpr UINT kDpiChangedMessage = 0x02E0;

// A GDI font at `dpi` dots per inch; the caller owns it.
HFONT CreateFontFromDescription(const FontDescription& definition, int dpi = ScreenDpi());
// The FontDescription of a GDI font; the default one for a null or unreadable handle.
FontDescription FontDescriptionFromHandle(HFONT font);

}  // namespace hushwall
