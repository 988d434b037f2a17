#include "ui/main/tray_icon.h"

#include <algorithm>
#include <cstring>

namespace hushwall {

void FillTrayTip(char (&field)[kTrayTipSize], std::string_view tip) {
  const std::size_t kept = std::min(tip.size(), kTrayTipSize - 1);
  std::memset(field, ' ', kTrayTipSize);
  std::memcpy(field, tip.data(), kept);
  field[kept] = '\0';
}

}  // namespace hushwall
