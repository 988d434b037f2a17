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

HFONT CreateFontFromDescription(const FontDescription& spec) {
  LOGFONTA font{};
  // A negative height asks for the character height, which is what points measure.
  font.lfHeight = -static_cast<LONG>(std::lround(spec.size * ScreenDpi() / 72.0));
  font.lfWeight = spec.bold ? FW_BOLD : FW_NORMAL;
  font.lfItalic = spec.italic;
  font.lfUnderline = spec.underline;
  font.lfStrikeOut = spec.strikethrough;
  font.lfCharSet = static_cast<BYTE>(spec.charset);
  font.lfQuality = DEFAULT_QUALITY;
  std::strncpy(font.lfFaceName, spec.name.c_str(), LF_FACESIZE - 1);
  return CreateFontIndirectA(&font);
}

FontDescription FontDescriptionFromHandle(HFONT handle) {
  LOGFONTA font{};
  if (!handle || !GetObjectA(handle, sizeof(font), &font)) return {};
  FontDescription spec;
  spec.name = font.lfFaceName;
  const LONG height = font.lfHeight < 0 ? -font.lfHeight : font.lfHeight;
  // Points are kept in quarters, the steps in which sizes are usually given.
  spec.size = static_cast<float>(std::round(height * 72.0 / ScreenDpi() * 4) / 4);
  spec.bold = font.lfWeight >= FW_BOLD;
  spec.italic = font.lfItalic != 0;
  spec.underline = font.lfUnderline != 0;
  spec.strikethrough = font.lfStrikeOut != 0;
  spec.charset = font.lfCharSet;
  return spec;
}

}  // namespace hushwall
