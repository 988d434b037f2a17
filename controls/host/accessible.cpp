#include "controls/host/accessible.h"

namespace hushwall {

std::string NameFromCaption(std::string_view caption) {
  std::string name;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && ++i == caption.size()) break;
    name += caption[i];
  }
  return name;
}

std::string ShortcutFromKey(std::string_view key) {
  if (key.empty()) return {};
  std::string shortcut = "Alt+";
  for (char c : key) shortcut += (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
  return shortcut;
}

std::uint32_t ReaderStates(const ControlCondition& condition) {
  using namespace reader_state;
  std::uint32_t states = 0;
  if (!condition.visible) states |= kInvisible;
  if (!condition.enabled) return states | kUnavailable;
  if (condition.focusable || condition.focused) states |= kFocusable;
  if (condition.focused) states |= kFocused;
  if (condition.pressed) states |= kPressed;
  return states;
}

}  // namespace hushwall
