#include "engine/log_clock_win32.h"

#include <windows.h>

namespace hushwall {
namespace {

template <typename Format>
std::string Formatted(Format format) {
  const int size = format(nullptr, 0);  // includes the terminator
  if (size <= 0) return {};
  std::string text(size, '\0');
  const int written = format(text.data(), size);
  text.resize(written > 0 ? written - 1 : 0);
  return text;
}

}  // namespace

// Both parts come from one reading of the clock, so a line written at midnight
// cannot pair the old date with the new time.
std::string Win32LogClock::Now() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  const std::string date = Formatted([&](char* buffer, int size) {
    return GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &now, nullptr, buffer, size);
  });
  const std::string time = Formatted([&](char* buffer, int size) {
    return GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &now, nullptr, buffer, size);
  });
  return date + ' ' + time;
}

}  // namespace hushwall
