#pragma once
// Rounding and checked integer arithmetic shared by the controls: values become
// pixels by rounding halves to the even neighbour, and every overflow is an error
// (number 6) instead of a wrapped value.
#include <cstdint>
#include <string_view>

namespace hushwall {

// Nearest integer, halves to even; throws ControlError 6 outside the 32-bit range
// (and for values that are not numbers).
std::int32_t RoundToInt32(double value, std::string_view source = "");
// The same for the signed 16-bit range.
std::int16_t RoundToInt16(double value, std::string_view source = "");
// Range check of a 32-bit value that is held as 16 bits.
std::int16_t ToInt16(std::int64_t value, std::string_view source = "");
std::int32_t ToInt32(std::int64_t value, std::string_view source = "");

std::int32_t CheckedAdd(std::int32_t a, std::int32_t b);
std::int32_t CheckedSub(std::int32_t a, std::int32_t b);
std::int32_t CheckedMul(std::int32_t a, std::int32_t b);

}  // namespace hushwall
