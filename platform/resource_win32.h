#pragma once
// The bytes of one of a module's resources, and the pictures stored among them.
#include <windows.h>

#include <cstdint>
#include <string_view>

#include "platform/gdi_win32.h"

namespace hushwall {

// A view of the resource's bytes, which live as long as the module; empty when the
// module has no such resource.
std::basic_string_view<std::uint8_t> ResourceBytes(HMODULE module, const char* name, const char* type);

// A text resource (RCDATA) as text; empty when missing.
inline std::string_view ResourceText(const char* name, HMODULE module = GetModuleHandleA(nullptr)) {
  const auto bytes = ResourceBytes(module, name, MAKEINTRESOURCEA(10));  // RT_RCDATA
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

// A PNG picture kept as RCDATA, decoded into a 24-bit DIB section; empty when it is
// missing or cannot be decoded. Pictures are stored compressed to keep the program small.
Bitmap LoadPngResource(int id, HMODULE module = GetModuleHandleA(nullptr));

}  // namespace hushwall
