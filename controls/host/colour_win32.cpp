#include "controls/host/colour_win32.h"

#include <olectl.h>

namespace hushwall {

COLORREF TranslateColor(Colour colour) {
  COLORREF rgb = 0;
  if (FAILED(OleTranslateColor(colour, nullptr, &rgb))) return CLR_INVALID;
  return rgb;
}

}  // namespace hushwall
