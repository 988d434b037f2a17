#pragma once
// What a control tells a screen reader about itself, in the values of the platform's
// accessibility interface, so that the reader's object only passes them on.
#include <cstdint>
#include <string>
#include <string_view>

namespace hushwall {

namespace reader_role {
inline constexpr std::int32_t kPushButton = 0x2B;
inline constexpr std::int32_t kProgressBar = 0x30;
}  // namespace reader_role

namespace reader_state {
inline constexpr std::uint32_t kUnavailable = 0x1;
inline constexpr std::uint32_t kFocused = 0x4;
inline constexpr std::uint32_t kPressed = 0x8;
inline constexpr std::uint32_t kInvisible = 0x8000;
inline constexpr std::uint32_t kFocusable = 0x100000;
}  // namespace reader_state

struct AccessibleFacts {
  std::int32_t role = 0;
  std::string name;
  std::string value;
  std::string shortcut;
  std::string default_action;
  std::uint32_t states = 0;
};

struct ControlCondition {
  bool visible = true;
  bool enabled = true;
  bool focusable = false;
  bool focused = false;
  bool pressed = false;
};

// The caption as it reads: "&Ok" is "Ok", a doubled "&" one "&".
std::string NameFromCaption(std::string_view caption);
// "Alt+O" for the access key "o"; empty without a key.
std::string ShortcutFromKey(std::string_view key);
// A disabled control is neither focusable nor pressed.
std::uint32_t ReaderStates(const ControlCondition& condition);

}  // namespace hushwall
