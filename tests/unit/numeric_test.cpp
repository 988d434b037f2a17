#include "platform/numeric.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>

#include "platform/control_error.h"

namespace hushwall {
namespace {

constexpr std::int64_t kNoResult = std::numeric_limits<std::int64_t>::min();

// The value, or kNoResult after an overflow error (6) naming the given source.
std::int64_t ResultOf(const std::function<std::int64_t()>& operation, const char* source = "") {
  try {
    return operation();
  } catch (const ControlError& error) {
    EXPECT_EQ(error.Number(), 6);
    EXPECT_EQ(error.Source(), source);
    return kNoResult;
  }
}

TEST(Numeric, RoundingGoesToTheEvenNeighbourAndStaysInRange) {
  const double inf = std::numeric_limits<double>::infinity();
  struct Case {
    double value;
    std::int64_t to32;
    std::int64_t to16;
  } cases[] = {
      {0.5, 0, 0},          {1.5, 2, 2},        {2.5, 2, 2},          {-0.5, 0, 0},
      {-1.5, -2, -2},       {-2.5, -2, -2},     {2.4999, 2, 2},       {2.5001, 3, 3},
      {32767.4, 32767, 32767},                  {32767.5, 32768, kNoResult},
      {-32768.5, -32768, -32768},               {-32769, -32769, kNoResult},
      {2147483647.4, 2147483647, kNoResult},    {2147483647.5, kNoResult, kNoResult},
      {-2147483648.5, -2147483648, kNoResult},  {-2147483649.0, kNoResult, kNoResult},
      {inf, kNoResult, kNoResult},              {-inf, kNoResult, kNoResult},
      {std::nan(""), kNoResult, kNoResult},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.value));
    EXPECT_EQ(ResultOf([&] { return RoundToInt32(c.value, "Round"); }, "Round"), c.to32);
    EXPECT_EQ(ResultOf([&] { return RoundToInt16(c.value, "Round"); }, "Round"), c.to16);
  }
}

TEST(Numeric, NarrowingAndCheckedArithmeticFailInsteadOfWrapping) {
  const std::int32_t max = std::numeric_limits<std::int32_t>::max();
  const std::int32_t min = std::numeric_limits<std::int32_t>::min();
  struct Case {
    const char* name;
    std::function<std::int64_t()> operation;
    std::int64_t expected;
  } cases[] = {
      {"16-bit top", [] { return ToInt16(32767); }, 32767},
      {"16-bit past top", [] { return ToInt16(32768); }, kNoResult},
      {"16-bit bottom", [] { return ToInt16(-32768); }, -32768},
      {"16-bit past bottom", [] { return ToInt16(-32769); }, kNoResult},
      {"32-bit past top", [] { return ToInt32(std::int64_t(max) + 1); }, kNoResult},
      {"32-bit bottom", [] { return ToInt32(min); }, min},
      {"add to the top", [&] { return CheckedAdd(max - 1, 1); }, max},
      {"add past the top", [&] { return CheckedAdd(max, 1); }, kNoResult},
      {"add past the bottom", [&] { return CheckedAdd(min, -1); }, kNoResult},
      {"subtract to the bottom", [&] { return CheckedSub(min + 1, 1); }, min},
      {"subtract past the bottom", [&] { return CheckedSub(min, 1); }, kNoResult},
      {"subtract the bottom from zero", [&] { return CheckedSub(0, min); }, kNoResult},
      {"multiply to a large product", [] { return CheckedMul(46340, 46340); }, 2147395600},
      {"multiply past the top", [] { return CheckedMul(46341, 46341); }, kNoResult},
      {"multiply the bottom by -1", [&] { return CheckedMul(min, -1); }, kNoResult},
  };
  for (const Case& c : cases) EXPECT_EQ(ResultOf(c.operation), c.expected) << c.name;
}

}  // namespace
}  // namespace hushwall
