#include "tools/bench/soak_scenarios.h"

#include <cstdint>
#include <random>
#include <string>

namespace soak {
namespace {

// Under Wine a title of 32,767 characters or more reaches other processes as no title
// at all (measured with Wine 8: 32,760 is read whole, 32,767 as empty), so the longest
// title that still gets listed and closed is a little shorter than that.
constexpr std::size_t kLongTitle = 32760;
constexpr int kFullLogLines = 32767;
constexpr std::size_t kRandomFileBytes = 20 * 1024 * 1024;
// A busy desktop: every title read of another process's window is a round trip, so
// the scan's cost per window decides whether a tick still fits its 200 ms.
constexpr int kCrowdWindows = 2000;
constexpr int kCrowdBrowsers = 200;

std::string ListedWindow(const std::string& extra = "") {
  return std::string("--window \"") + kListedTitle + "\" --ignore-close" + extra;
}

// popup-sim's --title-length pads with dots.
std::string LongListedTitle() {
  std::string title = kListedTitle;
  title.resize(kLongTitle, '.');
  return title;
}

std::string Line(const std::string& text) { return text + "\r\n"; }

std::string CrowdWindows() {
  return " --window \"Offer %d - Opera\" --hidden --ignore-close --repeat " + std::to_string(kCrowdBrowsers) +
         " --window \"Document %d - Editor\" --hidden --ignore-close --repeat " +
         std::to_string(kCrowdWindows - kCrowdBrowsers);
}

ListFiles ListedOnly() { return {Line(kListedTitle)}; }

ListFiles LongTitleFiles() { return {Line(LongListedTitle())}; }

ListFiles FullLogFiles() {
  ListFiles files = ListedOnly();
  files.has_blocked_log = true;
  for (int line = 1; line <= kFullLogLines; ++line)
    files.blocked_log += Line("1/2/2024 10:00:00 AM Old ad " + std::to_string(line) + " - Opera");
  return files;
}

// Fixed seed: every run gets the same junk.
std::string RandomBytes(unsigned seed) {
  std::mt19937 generator(seed);
  std::string bytes(kRandomFileBytes, '\0');
  for (std::size_t at = 0; at + 4 <= bytes.size(); at += 4) {
    const std::uint32_t word = generator();
    for (int part = 0; part < 4; ++part) bytes[at + part] = static_cast<char>(word >> (8 * part));
  }
  return bytes;
}

// The listed title comes first: the junk behind it holds more lines than a list keeps.
ListFiles RandomFiles() {
  return {Line(kListedTitle) + RandomBytes(1), true, RandomBytes(2)};
}

}  // namespace

const std::vector<Scenario>& Scenarios() {
  static const std::vector<Scenario> scenarios = {
      {"long-title", "listed window with a 32,760-character title",
       ListedWindow(" --title-length " + std::to_string(kLongTitle)), LongTitleFiles},
      {"title-churn", "a browser window renamed as fast as it goes",
       ListedWindow() + " --window \"News - Opera\" --title-churn 0", ListedOnly},
      {"window-churn", "219 browser windows a second created and destroyed",
       ListedWindow() + " --window \"Pop %d - Internet Explorer\" --churn-windows 219", ListedOnly},
      {"full-log", "Blocked.log starts with 32,767 lines", ListedWindow(), FullLogFiles},
      {"random-files", "20 MB of random bytes in RemList.dat and Blocked.log", ListedWindow(),
       RandomFiles},
      {"hung-window", "a boxless browser window whose thread stops answering",
       ListedWindow() + " --window \"Frozen - Netscape\" --style 80C00000 --hang-after 500",
       ListedOnly},
      {"crowd", "2,000 hidden windows of another process, 200 of them browser windows",
       ListedWindow() + CrowdWindows(), ListedOnly},
  };
  return scenarios;
}

const Scenario* FindScenario(const std::string& name) {
  for (const Scenario& scenario : Scenarios())
    if (name == scenario.name) return &scenario;
  return nullptr;
}

}  // namespace soak
