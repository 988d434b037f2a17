#pragma once
// What the benchmark programs share: a monotonic clock, and figures taken as medians
// of rounds, so one disturbed round does not count.
#include <algorithm>
#include <chrono>
#include <utility>
#include <vector>

namespace bench {

// Seconds on the steady clock (on Windows the performance counter).
inline double Seconds() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

inline double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// The median over `rounds` rounds of the time of one call of `work`, in
// microseconds; each round times `calls` calls in a row.
template <typename Work>
double MedianMicroseconds(int rounds, int calls, Work work) {
  std::vector<double> times;
  for (int round = 0; round < rounds; ++round) {
    const double start = Seconds();
    for (int call = 0; call < calls; ++call) work();
    times.push_back((Seconds() - start) / calls * 1e6);
  }
  return Median(std::move(times));
}

}  // namespace bench
