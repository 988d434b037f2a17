#pragma once
// The clock of popup-sim's --record-times lines: milliseconds of the performance
// counter, which every process of the machine reads alike, so a reader can place the
// recorded close requests on its own time line.
#include <windows.h>

namespace popup_sim {

inline unsigned long long ClockMilliseconds() {
  LARGE_INTEGER frequency, counter;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&counter);
  return static_cast<unsigned long long>(counter.QuadPart / (frequency.QuadPart / 1000));
}

}  // namespace popup_sim
