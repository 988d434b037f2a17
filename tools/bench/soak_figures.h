#pragma once
// The soak runner's close figures, from popup-sim's --record-times lines
// ("<milliseconds> <handle>"), for one window over one measured period.
#include <algorithm>
#include <sstream>
#include <string>

namespace soak {

struct CloseFigures {
  int closes = 0;              // close requests inside the period
  double per_second = 0;       // closes over the period's length
  unsigned long long longest_gap_ms = 0;  // between neighbours, the period's ends included
};

// Lines of other windows, and a last line not yet complete, are left out. The period's
// start and end count as neighbours, so a window that stops being closed shows as a
// long gap to the end rather than vanishing from the figures.
inline CloseFigures FiguresFor(const std::string& times, const std::string& handle,
                               unsigned long long start_ms, unsigned long long end_ms) {
  CloseFigures figures;
  unsigned long long previous = start_ms;
  std::istringstream lines(times);
  std::string line;
  while (std::getline(lines, line)) {
    if (line.empty() || line.back() != '\r') continue;
    line.pop_back();
    std::istringstream fields(line);
    unsigned long long stamp = 0;
    std::string window;
    if (!(fields >> stamp >> window) || window != handle) continue;
    if (stamp < start_ms || stamp > end_ms) continue;
    ++figures.closes;
    figures.longest_gap_ms = std::max(figures.longest_gap_ms, stamp - previous);
    previous = stamp;
  }
  if (end_ms > start_ms) {
    figures.longest_gap_ms = std::max(figures.longest_gap_ms, end_ms - previous);
    figures.per_second = figures.closes * 1000.0 / static_cast<double>(end_ms - start_ms);
  }
  return figures;
}

}  // namespace soak
