#pragma once
// Fixed-point money arithmetic of the progress bar's range and value: a signed 64-bit
// count of ten-thousandths. Sums and differences are exact, and one that leaves the
// 64-bit range is an overflow error (6) rather than a wrapped value.
#include <compare>
#include <cstdint>
#include <string>
#include <string_view>

namespace hushwall {

class Currency {
 public:
  static constexpr std::int64_t kScale = 10000;

  constexpr Currency() = default;
  static constexpr Currency FromScaled(std::int64_t scaled) { return Currency(scaled); }
  // Throws ControlError 6 outside the range.
  static Currency FromUnits(std::int64_t units);
  // Rounded to four decimals, halves to even; throws ControlError 6 outside the range.
  static Currency FromDouble(double value);
  // Decimal text such as "-12.3456"; at most four decimals. Throws ControlError 13
  // for anything else and 6 outside the range.
  static Currency Parse(std::string_view text);

  constexpr std::int64_t Scaled() const { return scaled_; }
  double ToDouble() const { return double(scaled_) / double(kScale); }
  // Exact decimal text without trailing zeros ("10", "0.5", "-3.0001").
  std::string ToText() const;

  friend constexpr auto operator<=>(Currency, Currency) = default;

 private:
  constexpr explicit Currency(std::int64_t scaled) : scaled_(scaled) {}
  std::int64_t scaled_ = 0;
};

// Both throw ControlError 6 when the result does not fit.
Currency CurrencyAdd(Currency a, Currency b);
Currency CurrencySub(Currency a, Currency b);

inline constexpr Currency kCurrencyOne = Currency::FromScaled(Currency::kScale);

}  // namespace hushwall
