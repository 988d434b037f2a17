#pragma once
// The notification-area record (the ANSI NOTIFYICONDATA of the first shell version)
// and the rules for filling it. Its handles have the width of the build's pointers:
// 88 bytes in a 32-bit program, 104 in a 64-bit one. The Win32 part hands the record
// to the shell unchanged.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace hushwall {

enum class TrayAction : std::uint32_t { kAdd = 0, kModify = 1, kDelete = 2 };

inline constexpr std::size_t kTrayTipSize = 64;

// Handle is the unsigned integer of a window or icon handle's width.
template <class Handle>
struct BasicTrayIconData {
  std::uint32_t size = 0;
  Handle owner = 0;
  std::uint32_t id = 0;
  std::uint32_t flags = 0;
  std::uint32_t callback_message = 0;
  Handle icon = 0;
  char tip[kTrayTipSize] = {};
};
static_assert(sizeof(BasicTrayIconData<std::uint32_t>) == 88, "the 32-bit shell reads exactly 88 bytes");
static_assert(sizeof(BasicTrayIconData<std::uint64_t>) == 104, "the 64-bit shell reads exactly 104 bytes");

using TrayHandle = std::uintptr_t;
using TrayIconData = BasicTrayIconData<TrayHandle>;

inline constexpr std::uint32_t kTrayIconId = 1;
// Message, icon and tip fields are valid.
inline constexpr std::uint32_t kTrayFlags = 1 | 2 | 4;
// The shell reports mouse activity on the icon as a mouse-move message to the owner.
inline constexpr std::uint32_t kTrayCallbackMessage = 0x0200;

// Writes the tip: at most 63 characters, then a NUL, then blanks to the end of the
// field. A longer text is cut so the field always ends its string inside itself.
void FillTrayTip(char (&field)[kTrayTipSize], std::string_view tip);

// Fills every field for the given owner window, icon and tip.
template <class Handle>
void FillTrayIconData(BasicTrayIconData<Handle>& record, Handle owner, Handle icon, std::string_view tip) {
  record.size = sizeof record;
  record.owner = owner;
  record.id = kTrayIconId;
  record.flags = kTrayFlags;
  record.callback_message = kTrayCallbackMessage;
  record.icon = icon;
  FillTrayTip(record.tip, tip);
}

// The mouse message the shell reports sits in the low word of the second parameter.
constexpr std::uint32_t TrayMouseMessage(std::uint32_t lparam) { return lparam & 0xFFFF; }

}  // namespace hushwall
