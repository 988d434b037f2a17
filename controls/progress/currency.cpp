#include "controls/progress/currency.h"

#include <cmath>
#include <limits>

#include "platform/control_error.h"

namespace hushwall {
namespace {

[[noreturn]] void Overflow() { throw ControlError(error_number::kOverflow, "Currency"); }
[[noreturn]] void Mismatch() { throw ControlError(error_number::kTypeMismatch, "Currency"); }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

Currency Currency::FromUnits(std::int64_t units) {
  std::int64_t scaled;
  if (__builtin_mul_overflow(units, kScale, &scaled)) Overflow();
  return Currency(scaled);
}

Currency Currency::FromDouble(double value) {
  const double scaled = std::nearbyint(value * double(kScale));
  // 2^63 is exactly representable; everything from it upwards is out of range.
  if (!std::isfinite(scaled) || scaled < -9223372036854775808.0 || scaled >= 9223372036854775808.0) {
    Overflow();
  }
  return Currency(static_cast<std::int64_t>(scaled));
}

Currency Currency::Parse(std::string_view text) {
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  // Accumulated negatively so that the most negative value parses too.
  std::int64_t scaled = 0;
  int whole_digits = 0;
  int decimals = -1;
  for (char c : text) {
    if (c == '.' && decimals < 0) {
      decimals = 0;
      continue;
    }
    if (!IsDigit(c) || decimals == 4) Mismatch();
    if (decimals >= 0) ++decimals; else ++whole_digits;
    if (__builtin_mul_overflow(scaled, 10, &scaled) || __builtin_sub_overflow(scaled, c - '0', &scaled)) {
      Overflow();
    }
  }
  if (whole_digits == 0 && decimals <= 0) Mismatch();
  for (int d = decimals < 0 ? 0 : decimals; d < 4; ++d) {
    if (__builtin_mul_overflow(scaled, 10, &scaled)) Overflow();
  }
  if (!negative) {
    if (scaled == std::numeric_limits<std::int64_t>::min()) Overflow();
    scaled = -scaled;
  }
  return Currency(scaled);
}

std::string Currency::ToText() const {
  const bool negative = scaled_ < 0;
  // Unsigned, so that the most negative value has a magnitude.
  const std::uint64_t magnitude = negative ? 0 - std::uint64_t(scaled_) : std::uint64_t(scaled_);
  std::string text = std::to_string(magnitude / kScale);
  std::uint64_t fraction = magnitude % kScale;
  if (fraction != 0) {
    std::string digits = std::to_string(fraction + kScale).substr(1);
    while (digits.back() == '0') digits.pop_back();
    text += "." + digits;
  }
  return negative ? "-" + text : text;
}

Currency CurrencyAdd(Currency a, Currency b) {
  std::int64_t sum;
  if (__builtin_add_overflow(a.Scaled(), b.Scaled(), &sum)) Overflow();
  return Currency::FromScaled(sum);
}

Currency CurrencySub(Currency a, Currency b) {
  std::int64_t difference;
  if (__builtin_sub_overflow(a.Scaled(), b.Scaled(), &difference)) Overflow();
  return Currency::FromScaled(difference);
}

}  // namespace hushwall
