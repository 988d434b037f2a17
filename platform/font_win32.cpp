#include "platform/font_win32.h"

#include <cmath>
#include <cstring>

#include "platform/gdi_win32.h"

namespace hushwall {

int ScreenDpi() {
  WindowDc screen(nullptr);
  const int dpi = GetDeviceCaps(screen.Get(), LOGPIXELSY);
  return dpi > 0 ? dpi : 96;
}

int WindowDpi(HWND window) {
  // Looked up, not linked: older Windows and some Wine versions lack it.
  using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
  static const auto get_dpi = reinterpret_cast<GetDpiForWindowFunction>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
  const int dpi = get_dpi && window ? int(get_dpi(window)) : 0;
  return dpi > 0 ? dpi : ScreenDpi();
}

int SystemMetricForDpi(int index, int dpi) {
  using GetSystemMetricsForDpiFunction = int(WINAPI*)(int, UINT);
  static const auto get_metric = reinterpret_cast<GetSystemMetricsForDpiFunction>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("user32.dll"), "GetSystemMetricsForDpi")));
  if (get_metric) return get_metric(index, UINT(dpi));
  return MulDiv(GetSystemMetrics(index), dpi, ScreenDpi());
}

HFONT CreateFontFromDescription(const FontDescription& definition, int dpi) {
  LOGFONTA font{};
  // A negative height asks for the character height, which is what points measure.
  font.lfHeight = -static_cast<LONG>(std::lround(definition.size * dpi / 72.0));
  font.lfWeight = definition.bold ? FW_BOLD : FW_NORMAL;
  font.lfItalic = definition.italic;
  font.lfUnderline = definition.underline;
  font.lfStrikeOut = definition.strikethrough;
  font.lfCharSet = static_cast<BYTE>(definition.charset);
  font.lfQuality = DEFAULT_QUALITY;
  std::strncpy(font.lfFaceName, definition.name.c_str(), LF_FACESIZE - 1);
  return CreateFontIndirectA(&font);
}

FontDescription FontDescriptionFromHandle(HFONT handle) {
  LOGFONTA font{};
  if (!handle || !GetObjectA(handle, sizeof(font), &font)) return {};
  FontDescription definition;
  definition.name = font.lfFaceName;
  const LONG height = font.lfHeight < 0 ? -font.lfHeight : font.lfHeight;
  // Points are kept in quarters, the steps in which sizes are usually given.
  definition.size = static_cast<float>(std::round(height * 72.0 / ScreenDpi() * 4) / 4);
  definition.bold = font.lfWeight >= FW_BOLD;
  definition.italic = font.lfItalic != 0;
  definition.underline = font.lfUnderline != 0;
  definition.strikethrough = font.lfStrikeOut != 0;
  definition.charset = font.lfCharSet;
  return definition;
}

}  // namespace hushwall
