#pragma once
// The number of the control error an action raises; 0 when it raises none.
#include <functional>

#include "platform/control_error.h"

namespace hushwall::testing {

inline int ErrorNumber(const std::function<void()>& action) {
  try {
    action();
  } catch (const ControlError& error) {
    return error.Number();
  }
  return 0;
}

}  // namespace hushwall::testing
