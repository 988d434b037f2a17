// The soak runner's close figures from popup-sim's time stamps.
#include "tools/bench/soak_figures.h"

#include <gtest/gtest.h>

namespace {

struct Case {
  const char* what;
  const char* times;
  unsigned long long start, end;
  int closes;
  double per_second;
  unsigned long long longest_gap_ms;
};

TEST(SoakFigures, CountsTheWindowsClosesInsideThePeriodAndTheLongestGap) {
  const Case cases[] = {
      {"steady, ends of the period included", "1200 a\r\n1400 a\r\n1600 a\r\n", 1000, 2000, 3, 3.0, 400},
      {"other windows and lines outside the period left out",
       "900 a\r\n1100 b\r\n1200 a\r\n1250 ab\r\n2100 a\r\n", 1000, 2000, 1, 1.0, 800},
      {"a last line still being written is not counted", "1100 a\r\n1200 a", 1000, 2000, 1, 1.0, 900},
      {"none at all: the whole period is one gap", "", 1000, 3000, 0, 0.0, 2000},
      {"a stall in the middle", "1000 a\r\n1200 a\r\n2700 a\r\n2900 a\r\n", 1000, 3000, 4, 2.0, 1500},
      {"junk lines skipped", "x y\r\n\r\n1500 a\r\n", 1000, 2000, 1, 1.0, 500},
  };
  for (const Case& test : cases) {
    const soak::CloseFigures figures = soak::FiguresFor(test.times, "a", test.start, test.end);
    EXPECT_EQ(figures.closes, test.closes) << test.what;
    EXPECT_DOUBLE_EQ(figures.per_second, test.per_second) << test.what;
    EXPECT_EQ(figures.longest_gap_ms, test.longest_gap_ms) << test.what;
  }
}

}  // namespace
