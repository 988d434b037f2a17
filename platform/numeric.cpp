#include "platform/numeric.h"

#include <cmath>
#include <limits>
#include <string>

#include "platform/control_error.h"

namespace hushwall {
namespace {

[[noreturn]] void Overflow(std::string_view source) {
  throw ControlError(error_number::kOverflow, std::string(source));
}

template <typename Int>
Int RoundTo(double value, std::string_view source) {
  if (!std::isfinite(value)) Overflow(source);
  // nearbyint follows the current rounding mode, which is to-nearest-even by default.
  const double rounded = std::nearbyint(value);
  if (rounded < double(std::numeric_limits<Int>::min()) ||
      rounded > double(std::numeric_limits<Int>::max())) {
    Overflow(source);
  }
  return static_cast<Int>(rounded);
}

template <typename Int>
Int NarrowTo(std::int64_t value, std::string_view source) {
  if (value < std::numeric_limits<Int>::min() || value > std::numeric_limits<Int>::max()) {
    Overflow(source);
  }
  return static_cast<Int>(value);
}

}  // namespace

std::int32_t RoundToInt32(double value, std::string_view source) {
  return RoundTo<std::int32_t>(value, source);
}

std::int16_t RoundToInt16(double value, std::string_view source) {
  return RoundTo<std::int16_t>(value, source);
}

std::int16_t ToInt16(std::int64_t value, std::string_view source) {
  return NarrowTo<std::int16_t>(value, source);
}

std::int32_t ToInt32(std::int64_t value, std::string_view source) {
  return NarrowTo<std::int32_t>(value, source);
}

std::int32_t CheckedAdd(std::int32_t a, std::int32_t b) {
  std::int32_t result;
  if (__builtin_add_overflow(a, b, &result)) Overflow("");
  return result;
}

std::int32_t CheckedSub(std::int32_t a, std::int32_t b) {
  std::int32_t result;
  if (__builtin_sub_overflow(a, b, &result)) Overflow("");
  return result;
}

std::int32_t CheckedMul(std::int32_t a, std::int32_t b) {
  std::int32_t result;
  if (__builtin_mul_overflow(a, b, &result)) Overflow("");
  return result;
}

}  // namespace hushwall
