#pragma once
// The numbered errors the controls raise to their hosts: a number, the member that
// raised it and the standard description of that number.
#include <stdexcept>
#include <string>

namespace hushwall {

namespace error_number {
inline constexpr int kInvalidArgument = 5;
inline constexpr int kOverflow = 6;
inline constexpr int kDivisionByZero = 11;
inline constexpr int kTypeMismatch = 13;
inline constexpr int kSetNotSupportedAtRunTime = 382;
inline constexpr int kGetNotSupportedAtRunTime = 393;
}  // namespace error_number

// The host's standard text for an error number ("" for numbers it has none for).
std::string StandardErrorDescription(int number);

class ControlError : public std::runtime_error {
 public:
  ControlError(int number, std::string source, std::string description);
  // With the standard description of the number.
  ControlError(int number, std::string source);

  int Number() const { return number_; }
  const std::string& Source() const { return source_; }
  const std::string& Description() const { return description_; }

 private:
  int number_;
  std::string source_;
  std::string description_;
};

}  // namespace hushwall
