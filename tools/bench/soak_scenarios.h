#pragma once
// The soak scenarios: the list files a program folder starts with and the windows
// popup-sim shows beside it. Shared by the soak runner and the end-to-end tests.
#include <string>
#include <vector>

namespace soak {

// On the remove list in every scenario; popup-sim's first window carries it.
inline constexpr const char* kListedTitle = "Listed ad - Internet Explorer";

struct ListFiles {
  std::string remove_list;
  bool has_blocked_log = false;
  std::string blocked_log;
};

struct Scenario {
  const char* name;
  const char* what;
  // popup-sim window options. The first window is the listed one and ignores close
  // requests, so it stays listed and is closed at every scan.
  std::string popup_windows;
  ListFiles (*files)();
};

const std::vector<Scenario>& Scenarios();
const Scenario* FindScenario(const std::string& name);

}  // namespace soak
