#pragma once
// Date and time for log lines in the user's regional formats.
#include "engine/ports.h"

namespace hushwall {

class Win32LogClock : public LogClock {
 public:
  std::string Now() override;
};

}  // namespace hushwall
