#pragma once
// The notification-area record of the 32-bit build (the ANSI NOTIFYICONDATA of the
// first shell version, 88 bytes) and the rules for filling it. Handles are 32-bit
// values here; the Win32 part hands the record to the shell unchanged.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace hushwall {

enum class TrayAction : std::uint32_t { kAdd = 0, kModify = 1, kDelete = 2 };

inline constexpr std::size_t kTrayTipSize = 64;

struct TrayIconData {
  std::uint32_t size = 0;
  std::uint32_t owner = 0;
  std::uint32_t id = 0;
  std::uint32_t flags = 0;
  std::uint32_t callback_message = 0;
  std::uint32_t icon = 0;
  char tip[kTrayTipSize] = {};
};
static_assert(sizeof(TrayIconData) == 88, "the shell reads exactly 88 bytes");

inline constexpr std::uint32_t kTrayRecordSize = sizeof(TrayIconData);
inline constexpr std::uint32_t kTrayIconId = 1;
// Message, icon and tip fields are valid.
inline constexpr std::uint32_t kTrayFlags = 1 | 2 | 4;
// The shell reports mouse activity on the icon as a mouse-move message to the owner.
inline constexpr std::uint32_t kTrayCallbackMessage = 0x0200;

// Writes the tip: at most 63 characters, then a NUL, then blanks to the end of the
// field. A longer text is cut so the field always ends its string inside itself.
void FillTrayTip(char (&field)[kTrayTipSize], std::string_view tip);

// Fills every field for the given owner window, icon and tip.
void FillTrayIconData(TrayIconData& record, std::uint32_t owner, std::uint32_t icon, std::string_view tip);

// The mouse message the shell reports sits in the low word of the second parameter.
constexpr std::uint32_t TrayMouseMessage(std::uint32_t lparam) { return lparam & 0xFFFF; }

}  // namespace hushwall
