#include "platform/control_error.h"

#include <utility>

namespace hushwall {

std::string StandardErrorDescription(int number) {
  switch (number) {
    case error_number::kInvalidArgument: return "Invalid procedure call or argument";
    case error_number::kOverflow: return "Overflow";
    case error_number::kDivisionByZero: return "Division by zero";
    case error_number::kTypeMismatch: return "Type mismatch";
    case error_number::kSetNotSupportedAtRunTime: return "Set not supported at runtime";
    case error_number::kGetNotSupportedAtRunTime: return "Get not supported at runtime";
    default: return "";
  }
}

ControlError::ControlError(int number, std::string source, std::string description)
    : std::runtime_error(source + ": " + description),
      number_(number),
      source_(std::move(source)),
      description_(std::move(description)) {}

ControlError::ControlError(int number, std::string source)
    : ControlError(number, std::move(source), StandardErrorDescription(number)) {}

}  // namespace hushwall
